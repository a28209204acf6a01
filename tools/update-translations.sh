#!/bin/sh
# Brings the windows' translations (translations/baralune_*.ts) up to date with the sources
# (baralune_en.ts: the plural forms of English only):
# new texts come in unfinished and texts the program no longer has are dropped; then fill in the
# new ones with Qt Linguist or an editor. The build never runs this.
#   --keep-vanished  mark dropped texts instead of removing them (the completeness test)
#   FOLDER           update the .ts files there instead (the test works on copies)
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
drop=-no-obsolete
if [ "${1:-}" = --keep-vanished ]; then drop=; shift; fi
dir=$(cd "${1:-$top/translations}" && pwd)
lupdate=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
[ -x "$lupdate" ] || lupdate=$(command -v lupdate)
cd "$top"
for ts in "$dir"/baralune_*.ts; do
  # English is the sources' own language: its file holds only the plural forms.
  plural=
  case "$ts" in */baralune_en.ts) plural=-pluralonly ;; esac
  # The engine's texts (cards, spreads, the report) carry their own translations: not read here.
  "$lupdate" -silent -locations none $drop $plural -extensions cpp,h \
    ui print artwork journal tools richtext/view web -ts "$ts"
done
