#!/usr/bin/env bash
# `cmake --install` into a scratch root: the programs, menu entry, icons and metainfo land in
# the usual places, and the installed programs write nothing beside themselves.
set -euo pipefail
build=$1 id=$2
shift 2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
source "$(dirname "$0")/dist_layout.sh"

DESTDIR=$tmp/root cmake --install "$build" --prefix /usr >"$tmp/install.log" ||
  { cat "$tmp/install.log"; fail "cmake --install"; }
check_layout "$tmp/root" "$id" "$@"

# Run both programs as a user would, from elsewhere and with a home of their own, then look
# for anything new in the installed tree. Baralune runs until it is ended, as for a user: it is
# stopped after a few seconds, which only a program still running at that moment reaches.
(cd "$tmp/root" && find . | sort) >"$tmp/before"
mkdir -p "$tmp/home" "$tmp/work" "$tmp/run"
chmod 700 "$tmp/run"
(
  cd "$tmp/work"
  export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/home/.config XDG_RUNTIME_DIR=$tmp/run
  export QT_QPA_PLATFORM=offscreen
  "$tmp/root/usr/bin/baralune-deal" --spread 1 --out reading.rtf
  status=0
  timeout 8 "$tmp/root/usr/bin/baralune" || status=$?
  [[ $status == 124 ]] || { echo "baralune ended by itself with status $status"; exit 1; }
) >"$tmp/run.log" 2>&1 || { cat "$tmp/run.log"; fail "the installed programs did not run"; }
(cd "$tmp/root" && find . | sort) >"$tmp/after"
diff "$tmp/before" "$tmp/after" || fail "the installed programs wrote into their install tree"
[[ -s $tmp/work/reading.rtf ]] || fail "the dealer did not write where it was asked"
find "$tmp/home/.config" -type f | grep -q . || fail "the settings did not go to the user's folder"
exit 0
