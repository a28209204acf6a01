#!/usr/bin/env bash
# The headless dealer: its outputs, and that bad arguments write nothing and exit with 2.
set -euo pipefail
deal=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

"$deal" --spread 0 >"$tmp/out.rtf" || fail "spread 0 did not deal"
head -c 5 "$tmp/out.rtf" | grep -q '^{\\rtf' || fail "stdout is not RTF"
"$deal" --spread "gypsy SPREAD" --text >"$tmp/out.txt" || fail "spread by name"
grep -q '^Position 21: ' "$tmp/out.txt" || fail "text report lacks position 21"
grep -q 'Gypsy / Romany Spread' "$tmp/out.txt" || fail "text report lacks the spread name"
"$deal" --spread 2 --out "$tmp/horseshoe.rtf" >"$tmp/stdout" || fail "--out"
[[ -s "$tmp/horseshoe.rtf" && ! -s "$tmp/stdout" ]] || fail "--out wrote to the wrong place"
[[ ! -e "$tmp/horseshoe.rtf.part" ]] || fail "temporary file left behind"
"$deal" --help | grep -q -- '--spread' || fail "--help"
"$deal" --version | grep -q 'baralune-deal 1.15' || fail "--version"

for args in "" "--spread" "--spread 4" "--spread nine" "--spread 1 --bogus" "--out" \
            "--spread 1 --out"; do
  for extra in "" "--out $tmp/never.rtf"; do
    set +e
    # shellcheck disable=SC2086
    "$deal" $args $extra >"$tmp/stdout" 2>"$tmp/stderr"
    status=$?
    set -e
    [[ $status -eq 2 ]] || fail "'$args $extra' exited with $status, not 2"
    [[ ! -s "$tmp/stdout" && ! -e "$tmp/never.rtf" ]] || fail "'$args $extra' wrote output"
    [[ $(wc -l <"$tmp/stderr") -eq 2 ]] || fail "'$args $extra' did not print an error and a hint"
  done
done
"$deal" --spread 1 --out "$tmp/missing-dir/x.rtf" 2>"$tmp/stderr" && fail "unwritable path succeeded"
grep -q 'cannot write' "$tmp/stderr" || fail "no reason given for an unwritable path"
echo "deal_cli: all checks passed"
