# shellcheck shell=bash
# Sourced by the install and package checks: what an installed Baralune must hold under
# <root>/usr, whether `cmake --install` or dpkg put it there. Needs `fail` defined.

# check_layout ROOT APP_ID ICON_SIZE...
check_layout() {
  local root=$1 id=$2
  shift 2
  local usr=$root/usr share=$root/usr/share
  local bins
  bins=$(find "$usr/bin" -mindepth 1 -printf '%f\n' | sort | tr '\n' ' ')
  [[ $bins == "baralune baralune-deal " ]] || fail "bin holds '$bins', not just the two programs"
  for program in baralune baralune-deal; do
    [[ -x $usr/bin/$program ]] || fail "$program is not executable"
    file -L "$usr/bin/$program" | grep -q ELF || fail "$program is not a program"
  done

  local desktop=$share/applications/$id.desktop
  [[ -f $desktop ]] || fail "no menu entry $desktop"
  desktop-file-validate "$desktop" || fail "menu entry does not validate"
  grep -qx 'Exec=baralune' "$desktop" || fail "menu entry does not start baralune"
  grep -qx 'Icon=baralune' "$desktop" || fail "menu entry does not name the icon"

  local metainfo=$share/metainfo/$id.metainfo.xml
  [[ -f $metainfo ]] || fail "no metainfo $metainfo"
  grep -q "<id>$id</id>" "$metainfo" || fail "metainfo has another id"
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo does not launch the installed menu entry"
  # Also checks that the metainfo and the menu entry it names agree.
  appstreamcli validate-tree --no-net "$root" || fail "installed tree does not validate"

  local side icon
  for side in "$@"; do
    icon=$share/icons/hicolor/${side}x$side/apps/baralune.png
    [[ -f $icon ]] || fail "no ${side}px icon"
    file "$icon" | grep -q "PNG image data, $side x $side," || fail "$icon is not ${side}x$side"
  done
  local icons
  icons=$(find "$share/icons" -type f | wc -l)
  [[ $icons -eq $# ]] || fail "$icons icon files for $# sizes"

  grep -qx 'StartupWMClass=Baralune' "$desktop" || fail "menu entry does not name the window class"

  # The papers: a manual page per program in English and in Spanish, each rendering without
  # a warning from man, the copyright file and the changelog.
  local page man
  for page in baralune baralune-deal; do
    for man in "$share/man/man1/$page.1.gz" "$share/man/es/man1/$page.1.gz"; do
      gzip -t "$man" || fail "no manual page $man"
      zcat "$man" | grep -q "^\.TH ${page^^} 1" || fail "$man is no page"
      if command -v man >/dev/null; then
        local warnings
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$man" 2>&1 >/dev/null)
        [[ -z $warnings ]] || fail "$man: $warnings"
      fi
    done
  done
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$share/man/es/man1/baralune-deal.1.gz" 2>/dev/null |
    grep -q '^OPCIONES' || fail "the Spanish page of baralune-deal does not render"
  grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    "$share/doc/baralune/copyright" || fail "no machine-readable copyright file"
  zcat "$share/doc/baralune/changelog.gz" | head -n 1 | grep -q '^baralune (1.15) ' ||
    fail "no changelog for 1.15"

    # The pictures are built into the programs: the installed dealer needs nothing beside it.
  "$usr/bin/baralune-deal" --spread 3 --text | grep -q '^Position 21: ' ||
    fail "the installed dealer does not deal"
}
