#!/usr/bin/env bash
# Deals a Gypsy reading and has LibreOffice and libwmf find every one of its pictures.
set -euo pipefail
deal=$1
here=$(cd "$(dirname "$0")" && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$deal" --spread 3 --out "$tmp/gypsy.rtf"
grep -q '{\\pict\\wmetafile8' "$tmp/gypsy.rtf" || { echo "FAIL: the report has no pictures" >&2; exit 1; }
"$here/check_pictures_in_readers.sh" "$tmp/gypsy.rtf"
