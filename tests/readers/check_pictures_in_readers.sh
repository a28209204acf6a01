#!/usr/bin/env bash
# Opens the pictures of a Baralune report RTF with two independent readers:
#  (a) every \wmetafile8 picture's metafile goes through libwmf's wmf2svg, which must succeed
#      and draw a bitmap (an <image> in the SVG);
#  (b) LibreOffice converts the whole RTF to flat ODF, which must hold as many pictures as the
#      RTF has picture groups.
# Exit 0 on success, 1 on a failed check, 2 on bad usage, 77 (skipped) without the readers.
set -euo pipefail

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if [[ $# -ne 1 ]]; then
  echo "usage: $0 REPORT.rtf" >&2
  exit 2
fi
report=$1
if [[ ! -r "$report" ]]; then
  echo "cannot read $report" >&2
  exit 2
fi
for tool in wmf2svg soffice perl; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed (Debian: libwmf-bin, libreoffice-writer-nogui)" >&2
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/baralune-readers.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Prints the number of picture groups and writes each \wmetafile group's bytes to
# picture-NNN.wmf. Only CR and LF may stand between the hex digits.
count=$(perl -e '
  my $dir = shift;
  local $/;
  my $rtf = <STDIN>;
  my $groups = () = $rtf =~ /\{\\pict\b/g;
  my $i = 0;
  while ($rtf =~ /\{\\pict((?:\\[a-z]+-?\d* ?)*)([^}]*)\}/g) {
    my ($words, $hex) = ($1, $2);
    next unless $words =~ /\\wmetafile\d/;
    $i++;
    $hex =~ s/[\r\n]//g;
    die "picture $i: data is not hex digits\n" if $hex =~ /[^0-9A-Fa-f]/;
    die "picture $i: odd number of hex digits\n" if length($hex) % 2;
    open(my $out, ">:raw", sprintf("%s/picture-%03d.wmf", $dir, $i)) or die "$!\n";
    print $out pack("H*", $hex);
    close($out) or die "$!\n";
  }
  print "$groups\n";
' "$work" <"$report" 2>"$work/perl.err")  || fail "cannot extract the pictures of $report: $(cat "$work/perl.err")"

[[ "$count" -gt 0 ]] || fail "$report holds no picture group"
metafiles=("$work"/picture-*.wmf)
[[ -e "${metafiles[0]}" ]] || fail "$report holds no \\wmetafile picture"
echo "$report: $count picture group(s), ${#metafiles[@]} metafile(s)"

# (a) libwmf.
for wmf in "${metafiles[@]}"; do
  svg=${wmf%.wmf}.svg
  if ! wmf2svg --inline -o "$svg" "$wmf" >"$work/wmf2svg.log" 2>&1; then
    fail "wmf2svg cannot convert $(basename "$wmf"): $(cat "$work/wmf2svg.log")"
  fi
  grep -q "<image" "$svg" || fail "wmf2svg drew no bitmap for $(basename "$wmf")"
done
echo "wmf2svg: all ${#metafiles[@]} metafile(s) convert and draw a bitmap"

# (b) LibreOffice, with a profile of its own so that no running instance or user setting
# interferes.
cp "$report" "$work/report.rtf"
if ! timeout 300 soffice -env:UserInstallation="file://$work/profile" --headless --norestore \
  --convert-to fodt --outdir "$work" "$work/report.rtf" >"$work/soffice.log" 2>&1; then
  fail "LibreOffice cannot convert $report: $(cat "$work/soffice.log")"
fi
[[ -s "$work/report.fodt" ]] || fail "LibreOffice wrote nothing for $report: $(cat "$work/soffice.log")"
# A frame holds the picture and a PNG stand-in for other readers: count frames, not images.
images=$(perl -e 'local $/; my $n = () = <STDIN> =~ /<draw:frame\b[^>]*>\s*<draw:image\b/g; print "$n\n"' \
  <"$work/report.fodt")
if [[ "$images" -ne "$count" ]]; then
  fail "LibreOffice shows $images picture(s) where $report has $count picture group(s)"
fi
echo "LibreOffice: $images picture(s), as many as the RTF's picture groups"
