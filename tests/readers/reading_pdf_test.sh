#!/usr/bin/env bash
# The reading's PDF read back with poppler: for each spread, every line of the report's text
# (card names, position meanings, descriptions) is real text in it; one picture per face of the
# spread and per picture of the report; every font embedded; a sensible number of pages; the
# largest spread well under 2 MB. The dealer writes the report and the PDF from one reading.
set -euo pipefail
deal=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# --pdf is checked and written like --out: a bad argument writes nothing and exits with 2, a
# failed write says why in one line, exits with 1 and leaves what was there.
for args in "--spread 1 --pdf" "--spread 9 --pdf $tmp/never.pdf" "--spread 1 --pdf $tmp/x --out $tmp/x"; do
  set +e
  # shellcheck disable=SC2086
  "$deal" $args >"$tmp/stdout" 2>"$tmp/stderr"
  status=$?
  set -e
  [[ $status -eq 2 && ! -s "$tmp/stdout" && ! -e "$tmp/never.pdf" && ! -e "$tmp/x" ]] ||
    fail "'$args' exited with $status or wrote something"
  [[ $(wc -l <"$tmp/stderr") -eq 2 ]] || fail "'$args' did not print an error and a hint"
done
mkdir "$tmp/folder.pdf"
echo kept >"$tmp/kept.pdf"
chmod 444 "$tmp/kept.pdf"
for target in "$tmp/folder.pdf" "$tmp/kept.pdf" "$tmp/missing/x.pdf"; do
  set +e
  env -u XDG_RUNTIME_DIR "$deal" --spread 0 --pdf "$target" >"$tmp/stdout" 2>"$tmp/stderr"
  status=$?
  set -e
  [[ $status -eq 1 && $(wc -l <"$tmp/stderr") -eq 1 && ! -s "$tmp/stdout" ]] &&
    grep -q "cannot write '$target': " "$tmp/stderr" ||
    fail "--pdf $target: exit $status, $(cat "$tmp/stderr")"
done
[[ -d "$tmp/folder.pdf" && $(cat "$tmp/kept.pdf") == kept ]] || fail "a refused target was changed"

for tool in pdftotext pdfimages pdffonts pdfinfo; do
  command -v "$tool" >/dev/null || { echo "reading_pdf: $tool missing (poppler-utils)"; exit 77; }
done
# Lines wrap where the page ends them, even inside an address: compare without white space.
squeeze() { tr -d '[:space:]'; }
cards=(3 9 7 21)

for spread in 0 1 2 3; do
  n=${cards[$spread]}
  # The text of one reading against its PDF.
  "$deal" --spread "$spread" --text --out "$tmp/$spread.txt" --pdf "$tmp/$spread.pdf" ||
    fail "spread $spread: no PDF"
  # The page numbers at the foot fall inside paragraphs that run on to the next page.
  pdftotext "$tmp/$spread.pdf" - | grep -v '^Page [0-9]* of [0-9]*$' | squeeze >"$tmp/pdf.txt"
  grep -c '^Card Name:' "$tmp/$spread.txt" | grep -qx "$n" || fail "spread $spread: text report"
  missing=$(awk -v pdf="$tmp/pdf.txt" '
    BEGIN { RS = "^$"; getline text <pdf; RS = "\n" }
    { gsub(/[[:space:]]/, ""); if ($0 != "" && index(text, $0) == 0) { print; exit } }
  ' "$tmp/$spread.txt")
  [[ -z $missing ]] || fail "spread $spread: PDF lacks '$missing'"
  for p in $(seq 1 "$n"); do
    grep -qF "Position$p:" "$tmp/pdf.txt" || fail "spread $spread: no position $p"
  done

  # The pictures of another reading against its RTF: the faces of the spread at 300 dots an
  # inch, then each picture of the report once.
  "$deal" --spread "$spread" --out "$tmp/$spread.rtf" --pdf "$tmp/p$spread.pdf"
  pictures=$(tr -d '\r\n' <"$tmp/$spread.rtf" | grep -o '{\\pict' | wc -l)
  pdfimages -list "$tmp/p$spread.pdf" | awk 'NR > 2 && $3 == "image"' >"$tmp/images"
  faces=$(awk '$4 == 142 && $5 == 192 && $13 >= 300 && $14 >= 300' "$tmp/images" | wc -l)
  [[ $faces -eq $n ]] || fail "spread $spread: $faces faces at 300 dpi, not $n"
  [[ $(wc -l <"$tmp/images") -eq $((n + pictures)) ]] ||
    fail "spread $spread: $(wc -l <"$tmp/images") pictures, not $n faces and $pictures"

  for pdf in "$tmp/$spread.pdf" "$tmp/p$spread.pdf"; do
    fonts=$(pdffonts "$pdf" | awk 'NR > 2')
    [[ -n $fonts ]] || fail "spread $spread: no fonts"
    awk '$(NF-4) != "yes" { exit 1 }' <<<"$fonts" || fail "spread $spread: a font not embedded"
    pages=$(pdfinfo "$pdf" | awk '/^Pages:/ { print $2 }')
    # The cover, then the report: a page holds at least two positions.
    ((pages >= 2 && pages <= 2 + (n + 1) / 2)) || fail "spread $spread: $pages pages"
  done
done
size=$(stat -c %s "$tmp/3.pdf")
((size < 2 * 1024 * 1024)) || fail "the Gypsy PDF is $size bytes"
pdfinfo "$tmp/3.pdf" | grep -q '^Title: *Gypsy / Romany Spread$' || fail "PDF title"

# In Spanish the whole reading is Spanish: the cover's title, the labels and the page footer.
"$deal" --spread 3 --language es --pdf "$tmp/es.pdf"
pdfinfo "$tmp/es.pdf" | grep -q '^Title: *Tirada gitana/romaní$' || fail "Spanish PDF title"
pdftotext -f 1 -l 2 "$tmp/es.pdf" "$tmp/es.txt"
for text in 'Tirada gitana/romaní' 'Fecha de la lectura' 'Nombre de la carta:' 'Página 1 de'; do
  grep -qF "$text" "$tmp/es.txt" || fail "Spanish PDF: no \"$text\""
done
