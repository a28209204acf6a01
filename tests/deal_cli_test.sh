#!/usr/bin/env bash
# The headless dealer: its outputs, that bad arguments write nothing and exit with 2, and that
# a failed write is said in one line and exits with 1, leaving what was there as it was.
set -euo pipefail
deal=$(realpath "$1")  # the tests change folder
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# The checks read English: the report's language follows the locale.
export LANG=C
unset LC_ALL LC_MESSAGES

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

# --cards reads exactly the hand given, in position order, the same on every run.
"$deal" --spread 0 --cards 39,0,17 --text >"$tmp/own.txt" || fail "--cards"
grep -A1 '^Card Name: ' "$tmp/own.txt" | grep ' of ' | tr '\n' '|' |
  grep -q '^Knight of Spades (Caballo)|Ace of Clubs (Ace)|Ten of Diamonds (Sota)|$' ||
  fail "--cards did not read 39,0,17 in order"
"$deal" --cards 39,0,17 --spread 0 --text | cmp -s - "$tmp/own.txt" || fail "--cards differs"

# --language en|es; without it the locale's language.
"$deal" --spread 0 --cards 39,0,17 >"$tmp/own.rtf" || fail "RTF of 39,0,17"
"$deal" --spread 0 --cards 39,0,17 --language en | cmp -s - "$tmp/own.rtf" || fail "--language en"
"$deal" --spread 0 --cards 39,0,17 --language es --out "$tmp/es.rtf" || fail "--language es"
grep -qF "Posici\\'f3n 1" "$tmp/es.rtf" || fail "--language es wrote no Spanish RTF"
LC_MESSAGES=es_MX.UTF-8 "$deal" --spread 0 --cards 39,0,17 --text --out "$tmp/es.txt" &&
  grep -q '^Posición 1' "$tmp/es.txt" || fail "a Spanish locale did not give a Spanish report"

for args in "" "--spread" "--spread 4" "--spread nine" "--spread 1 --bogus" "--out" \
            "--spread 1 --out" "--spread 0 --cards" "--spread 0 --cards 1,2" \
            "--spread 0 --cards 1,2,3,4" "--spread 0 --cards 1,1,2" "--spread 0 --cards 1,2,40" \
            "--spread 0 --cards 1,2,x" "--spread 0 --cards 1,,2" "--spread 0 --cards 1,2," \
            "--spread 0 --cards -1,2,3" "--spread 0 --cards 01,2,3x" "--spread 0 --language" \
            "--spread 0 --language fr" "--spread 0 --language ES"; do
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

# run ARGS...: the dealer's exit status in $status, its messages in $tmp/stderr.
run() {
  set +e
  timeout 120 "$deal" "$@" 2>"$tmp/stderr"  # should a FIFO ever be opened, it waits for ever
  status=$?
  set -e
}
# said WHY: the run failed with one line giving WHY.
said() {
  [[ $status -eq 1 && $(wc -l <"$tmp/stderr") -eq 1 ]] && grep -q -- "$1" "$tmp/stderr" ||
    fail "expected exit 1 and '$1', got $status: $(cat "$tmp/stderr")"
}
# refused PATH WHY: --out PATH fails saying WHY and leaves PATH as it was.
refused() {
  local before
  before=$(stat -c '%F %i %a %s %y' "$1")
  run --spread 0 --out "$1"
  said "cannot write '.*': $2"
  [[ $(stat -c '%F %i %a %s %y' "$1") == "$before" ]] || fail "$1 was changed"
}

out=$tmp/out
mkdir "$out"
mkfifo "$out/fifo"
refused "$out/fifo" "it is a FIFO"  # and at once: it is never opened
mkdir "$out/folder"
refused "$out/folder" "it is a folder"
echo old >"$out/read-only"
chmod 444 "$out/read-only"
refused "$out/read-only" "the file is read-only"  # the superuser too
if [[ $EUID -eq 0 ]]; then
  if mknod "$out/full" c 1 7 2>/dev/null; then
    refused "$out/full" "it is a device"
  else
    echo "deal_cli: device nodes cannot be made here; not checked"
  fi
  # A link someone else left in a shared sticky folder is not followed.
  mkdir -m 1777 "$tmp/shared"
  echo victim >"$tmp/victim"
  ln -s "$tmp/victim" "$tmp/shared/report.rtf"
  chown -h 65534 "$tmp/shared/report.rtf"
  refused "$tmp/shared/report.rtf" "it is a link someone else left"
  [[ $(cat "$tmp/victim") == victim ]] || fail "a planted link was followed"
  # Nor is a file someone else left there written: root would hand them the reading.
  echo planted >"$tmp/shared/reading.rtf"
  chown 65534 "$tmp/shared/reading.rtf"
  chmod 666 "$tmp/shared/reading.rtf"
  refused "$tmp/shared/reading.rtf" "it is someone else's file in a shared folder"
  # That user writes over their own file there, as the kernel lets them.
  chmod 711 "$tmp"
  if setpriv --reuid=65534 --regid=65534 --clear-groups true 2>/dev/null; then
    setpriv --reuid=65534 --regid=65534 --clear-groups \
      "$deal" --spread 0 --out "$tmp/shared/reading.rtf" || fail "the owner could not write"
    head -c 5 "$tmp/shared/reading.rtf" | grep -q '^{\\rtf' || fail "the owner's file not written"
  else
    echo "deal_cli: cannot run as another user here; the owner's own write not checked"
  fi
fi

# --out and --pdf naming one file, however spelled, are refused before anything is written.
echo old >"$out/same.x"
ln -s same.x "$out/alias.pdf"
ln -s new.x "$out/dangling.pdf"
for pair in "same.x ./same.x" "same.x alias.pdf" "./new.x dangling.pdf" "../out/new.x new.x"; do
  read -r first second <<<"$pair"
  set +e
  (cd "$out" && exec timeout 120 "$deal" --spread 0 --out "$first" --pdf "$second") \
    >/dev/null 2>"$tmp/stderr"
  status=$?
  set -e
  [[ $status -eq 2 ]] && grep -q 'name the same file' "$tmp/stderr" ||
    fail "--out $first --pdf $second gave $status: $(cat "$tmp/stderr")"
  [[ $(cat "$out/same.x") == old && ! -e "$out/new.x" ]] || fail "--out $first --pdf $second wrote"
done

# Nothing but the target is touched: not a file, folder or link by a name near it.
echo notes >"$out/notes.part"
mkdir "$out/x.rtf.part"
echo mine >"$out/mine"
ln -s mine "$out/y.rtf.part"
for name in notes x.rtf y.rtf; do
  "$deal" --spread 0 --out "$out/$name" || fail "--out $name"
done
[[ $(cat "$out/notes.part") == notes && -d "$out/x.rtf.part" && -L "$out/y.rtf.part" &&
  $(cat "$out/mine") == mine ]] || fail "a file beside the target was changed"

# A link is followed and stays a link; a file keeps its mode, a new one gets the umask's.
echo old >"$out/real.rtf"
chmod 600 "$out/real.rtf"
ln -s real.rtf "$out/link.rtf"
"$deal" --spread 0 --out "$out/link.rtf" || fail "--out a link"
[[ -L "$out/link.rtf" && $(head -c 5 "$out/real.rtf") == '{\rtf' ]] || fail "link not followed"
[[ $(stat -c %a "$out/real.rtf") == 600 ]] || fail "the file's mode was not kept"
(umask 027 && "$deal" --spread 0 --out "$out/new.rtf") || fail "--out a new file"
[[ $(stat -c %a "$out/new.rtf") == 640 ]] || fail "a new file's mode ignores the umask"
long=$(printf 'n%.0s' {1..247}).rtf  # 251 bytes: no room for a suffix
"$deal" --spread 0 --out "$out/$long" || fail "--out a long name"

# Runs to one file at once each write their whole report.
for _ in {1..20}; do
  "$deal" --spread 0 --text --out "$out/shared.txt" 2>>"$tmp/race" &
  first=$!
  "$deal" --spread 0 --text --out "$out/shared.txt" 2>>"$tmp/race" &
  wait $first && wait $! || fail "runs at once: $(cat "$tmp/race")"
  tail -n 1 "$out/shared.txt" | grep -q '^Thank You for using' || fail "runs at once: half a report"
done
! compgen -G "$out/.baralune-*" >/dev/null || fail "temporary files left behind"

# Standard output that cannot be written is an error, for the report, --help and --version.
for args in "--spread 0" --help --version; do
  # shellcheck disable=SC2086
  run $args >/dev/full
  said "cannot write to standard output: No space left on device"
  # shellcheck disable=SC2086
  run $args >&-
  said "cannot write to standard output: Bad file descriptor"
done

# Arguments are quoted in messages with control characters escaped and a long one cut.
run --spread $'x\n\e[31m\\'
grep -qF "unknown spread 'x\\n\\x1b[31m\\\\'" "$tmp/stderr" || fail "control characters not escaped"
run "--$(printf 'a%.0s' {1..5000})"
[[ $(head -n 1 "$tmp/stderr" | wc -c) -lt 300 ]] && grep -q "aaa'\.\.\.$" "$tmp/stderr" ||
  fail "a long argument not cut"
# Bytes that are not UTF-8 are escaped and counted like any others; a line stays short.
run --spread "$(head -c 100000 /dev/zero | tr '\0' '\200')"
[[ $(head -n 1 "$tmp/stderr" | wc -c) -lt 1000 ]] && grep -qF "'\\x80\\x80" "$tmp/stderr" ||
  fail "a run of continuation bytes not cut: $(head -c 300 "$tmp/stderr")"
# Right-to-left override, line separator and a lone CSI byte do not reach the terminal.
run --spread $'a\xe2\x80\xaeb\xe2\x80\xa8c\x9bd'  # U+202E, U+2028 in UTF-8
grep -qF "unknown spread 'a\\xe2\\x80\\xaeb\\xe2\\x80\\xa8c\\x9bd'" "$tmp/stderr" ||
  fail "bidirectional and separator characters not escaped: $(cat "$tmp/stderr")"

# --spread-file deals a reader's own spread; a file that is not a sound spread is refused in
# one line, writing nothing.
cat >"$tmp/yes.baralune-spread" <<'EOF'
{"format": "baralune-spread", "version": 1, "name": "Yes or No",
 "description": ["Two cards answer a plain question."],
 "positions": [{"text": "Card 1: the answer.", "left": 3645, "top": 720},
               {"text": "Card 2: what stands in the way.", "left": 4965, "top": 720}]}
EOF
"$deal" --spread-file "$tmp/yes.baralune-spread" --cards 39,0 --text --out "$tmp/yes.txt" ||
  fail "--spread-file"
grep -A1 '^Position 2: ' "$tmp/yes.txt" | grep -q '^Card 2: what stands in the way.$' &&
  grep -q '^Yes or No$' "$tmp/yes.txt" && ! grep -q '^Position 3' "$tmp/yes.txt" ||
  fail "--spread-file report lacks the spread's texts"
"$deal" --spread-file "$tmp/yes.baralune-spread" --language es --text | grep -q '^Posición 2: ' ||
  fail "--spread-file in Spanish"
for args in "--spread-file" "--spread 0 --spread-file $tmp/yes.baralune-spread" \
            "--spread-file $tmp/yes.baralune-spread --cards 1,2,3"; do
  # shellcheck disable=SC2086
  run $args --out "$tmp/never.rtf"
  [[ $status -eq 2 && ! -e "$tmp/never.rtf" ]] || fail "'$args' gave $status or wrote"
done
sed 's/"version": 1/"version": 7/' "$tmp/yes.baralune-spread" >"$tmp/newer.baralune-spread"
sed 's/"left": 4965/"left": 4000/' "$tmp/yes.baralune-spread" >"$tmp/overlap.baralune-spread"
for bad in "newer:the spread is from a newer version" "overlap:cards 1 and 2 overlap" "missing:No such file"; do
  run --spread-file "$tmp/${bad%%:*}.baralune-spread" --out "$tmp/never.rtf"
  said "cannot read spread '.*': ${bad#*:}"
  [[ ! -e "$tmp/never.rtf" ]] || fail "a refused spread wrote a report"
done
echo "deal_cli: all checks passed"
