#!/usr/bin/env bash
# Opens a report of each spread in LibreOffice Writer and checks that its colours, bold,
# underline and centring arrive.
set -euo pipefail
deal=$1
command -v soffice >/dev/null || { echo "soffice not installed"; exit 77; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for spread in 0 1 2 3; do
  "$deal" --spread $spread --out "$tmp/spread$spread.rtf"
done
HOME="$tmp" timeout 300 soffice --headless --norestore "-env:UserInstallation=file://$tmp/profile" \
  --convert-to fodt --outdir "$tmp" "$tmp"/spread*.rtf >"$tmp/soffice.log" 2>&1 ||
  { cat "$tmp/soffice.log"; fail "LibreOffice could not convert the reports"; }

for spread in 0 1 2 3; do
  doc="$tmp/spread$spread.fodt"
  [[ -s "$doc" ]] || fail "spread $spread was not converted"
  for colour in '#800000' '#008080' '#800080'; do
    grep -qi "fo:color=\"$colour\"" "$doc" || fail "spread $spread lost colour $colour"
  done
  grep -q 'fo:font-weight="bold"' "$doc" || fail "spread $spread lost bold"
  grep -q 'style:text-underline-style="solid"' "$doc" || fail "spread $spread lost underline"
  grep -q 'fo:text-align="center"' "$doc" || fail "spread $spread lost centring"
  grep -q 'Verdana' "$doc" || fail "spread $spread lost its font"
  grep -q 'Spread Name: ' "$doc" || fail "spread $spread lost its text"
done
echo "libreoffice: all four reports keep their formatting"
