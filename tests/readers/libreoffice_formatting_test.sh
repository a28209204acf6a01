#!/usr/bin/env bash
# Opens a report of each spread in LibreOffice Writer and checks that its colours, bold,
# underline and centring arrive, and that a Spanish report's accented letters arrive intact.
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
# A Spanish reading whose cards bring ¿ and ª as well as every accented vowel and ñ: each word
# with a letter beyond ASCII in Baralune's own text must come back from LibreOffice unchanged.
"$deal" --spread 0 --cards 12,26,20 --language es --out "$tmp/es.rtf"
"$deal" --spread 0 --cards 12,26,20 --language es --text >"$tmp/es-own.txt"
HOME="$tmp" timeout 300 soffice --headless --norestore "-env:UserInstallation=file://$tmp/profile" \
  --convert-to "txt:Text (encoded):UTF8" --outdir "$tmp" "$tmp/es.rtf" >"$tmp/soffice.log" 2>&1 ||
  { cat "$tmp/soffice.log"; fail "LibreOffice could not convert the Spanish report"; }
[[ -s "$tmp/es.txt" ]] || fail "the Spanish report was not converted"
words=$(grep -oP '[^\s]*[^\x00-\x7F][^\s]*' "$tmp/es-own.txt" | sort -u)
[[ $(wc -l <<<"$words") -ge 20 ]] || fail "the Spanish report has too few accented words"
for letter in á é í ó ú ñ ¿ ¡ ª; do
  grep -q "$letter" "$tmp/es-own.txt" || fail "the Spanish sample lacks $letter"
done
while read -r word; do
  grep -qF -- "$word" "$tmp/es.txt" || fail "LibreOffice lost \"$word\" of the Spanish report"
done <<<"$words"
# The report says its language: LibreOffice checks the Spanish one's spelling in Spanish.
HOME="$tmp" timeout 300 soffice --headless --norestore "-env:UserInstallation=file://$tmp/profile" \
  --convert-to fodt --outdir "$tmp" "$tmp/es.rtf" >"$tmp/soffice.log" 2>&1 ||
  { cat "$tmp/soffice.log"; fail "LibreOffice could not convert the Spanish report to fodt"; }
grep -q 'fo:language="es" fo:country="ES"' "$tmp/es.fodt" || fail "the Spanish report is not Spanish"
grep -q 'fo:language="es"' "$tmp/spread0.fodt" && fail "an English report reads as Spanish"
echo "libreoffice: all four reports keep their formatting; the Spanish one its accents and language"
