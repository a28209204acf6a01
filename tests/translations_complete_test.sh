#!/bin/sh
# Every text of the windows has its translation in each translations/baralune_*.ts: lupdate runs
# over the sources into copies of the files, and the test fails on any text left unfinished,
# new in the sources but missing from a file, or kept in a file but gone from the sources.
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$top"/translations/baralune_*.ts "$work"/
"$top"/tools/update-translations.sh --keep-vanished "$work"
status=0
for ts in "$work"/baralune_*.ts; do
  # One line per message needing work: its state and its English.
  python3 - "$ts" <<'PY' || status=1
import sys, xml.etree.ElementTree as ET
bad = []
for context in ET.parse(sys.argv[1]).getroot().iter("context"):
    for message in context.iter("message"):
        state = message.find("translation").get("type")
        if state in ("unfinished", "vanished", "obsolete"):
            source = message.findtext("source")
            bad.append(f"  {state}: {context.findtext('name')}: {source!r}")
if bad:
    print(sys.argv[1].rsplit("/", 1)[-1] + " needs work (tools/update-translations.sh, then translate):")
    print("\n".join(bad))
    sys.exit(1)
PY
done
exit $status
