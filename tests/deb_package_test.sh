#!/usr/bin/env bash
# The .deb that `make package` builds: its control data and, unpacked into a scratch root, the
# same layout as `cmake --install`. The package is built afresh into a scratch folder.
set -euo pipefail
build=$1 id=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/dist_layout.sh"

cpack -G DEB -B "$tmp/out" --config "$build/CPackConfig.cmake" >"$tmp/cpack.log" 2>&1 ||
  { cat "$tmp/cpack.log"; fail "cpack"; }
debs=("$tmp"/out/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "cpack made ${#debs[@]} packages"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[[ $(basename "$deb") == "baralune_1.15_$arch.deb" ]] || fail "package named $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == baralune ]] || fail "Package: $(field Package)"
[[ $(field Version) == 1.15 ]] || fail "Version: $(field Version)"
[[ $(field Architecture) == "$arch" ]] || fail "Architecture: $(field Architecture)"
[[ $(field Section) == misc ]] || fail "Section: $(field Section)"
[[ $(field Recommends) == "xdg-utils, qt6-wayland, qt6-translations-l10n" ]] ||
  fail "Recommends: $(field Recommends)"
[[ -n $(field Maintainer) ]] || fail "no Maintainer"
description=$(field Description)
grep -q 'Spanish deck' <<<"$description" || fail "Description: $description"
# Wrapped for a terminal, as apt shows it.
if awk 'length > 80' <<<"$description" | grep -q .; then fail "long description lines"; fi
# Read by dpkg-shlibdeps from the linked libraries, so each comes with a version bound.
depends=$(field Depends)
for lib in libqt6widgets6 libqt6gui6 libqt6core6 libc6 libstdc++6; do
  [[ ", $depends" == *", $lib (>= "* ]] || fail "Depends lacks $lib: $depends"
done

# Everything below /usr, owned by root, and nothing with debug sections left in.
dpkg-deb -c "$deb" >"$tmp/contents"
if awk '{print $6}' "$tmp/contents" | grep -Ev '^\./(usr(/.*)?)?$'; then
  fail "files outside /usr"
fi
if awk '{print $2}' "$tmp/contents" | grep -v '^root/root$'; then fail "files not owned by root"; fi
dpkg-deb -x "$deb" "$tmp/root"
check_layout "$tmp/root" "$id" "$@"
for program in baralune baralune-deal; do
  if file "$tmp/root/usr/bin/$program" | grep -q 'not stripped'; then fail "$program not stripped"; fi
  # Hardened as Debian builds: relocations read-only and bound at start.
  readelf -d "$tmp/root/usr/bin/$program" | grep -q 'BIND_NOW\|FLAGS_1.*NOW' ||
    fail "$program not linked with -z now"
  readelf -lW "$tmp/root/usr/bin/$program" | grep -q GNU_RELRO || fail "$program has no RELRO"
  # The tests reach the seams from their own build of the program, never from the shipped one.
  if strings "$tmp/root/usr/bin/$program" | grep -q 'BARALUNE_TEST_'; then
    fail "$program reads a test hook from the environment"
  fi
done

# lintian's verdict, pedantic: no error and no warning.
if command -v lintian >/dev/null; then
  lintian --pedantic --no-tag-display-limit "$deb" >"$tmp/lintian.log" 2>&1 || true
  if grep -E '^(E|W): ' "$tmp/lintian.log"; then fail "lintian reports errors or warnings"; fi
else
  echo "lintian is not installed: its verdict is not checked"
fi
exit 0
