#!/usr/bin/env bash
# The headless dealer speaks Spanish to a Spanish reader: help, errors and the system's own
# reasons, and it knows the spreads by their Spanish names.
set -euo pipefail
deal=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export LANG=C LANGUAGE=
unset LC_ALL LC_MESSAGES

"$deal" --language es --help | grep -q '^Uso: baralune-deal --spread N' || fail "--help in Spanish"
LC_ALL=es_MX.UTF-8 "$deal" --help | grep -q '^Uso: ' || fail "--help under a Spanish locale"
"$deal" --help | grep -q '^Usage: ' || fail "--help in English"

# A bad argument is said in the language asked for, wherever --language stands.
status=0
"$deal" --spread siete --language es 2>"$tmp/stderr" || status=$?
[[ $status -eq 2 ]] || fail "bad spread exited with $status"
grep -qx "baralune-deal: tirada desconocida 'siete'" "$tmp/stderr" || fail "$(cat "$tmp/stderr")"
grep -q '^Prueba «baralune-deal --help»' "$tmp/stderr" || fail "no Spanish hint"
"$deal" --spread 0 --cards 1,1,2 --language es 2>"$tmp/stderr" && fail "a card twice was taken"
grep -q 'la carta 1 aparece dos veces$' "$tmp/stderr" || fail "card list error in Spanish"

# The Spanish names, in any case, accented capitals included; the English ones still.
for name in "Pasado, presente y futuro" "TIRADA DE 9 CARTAS" "tirada de la herradura" \
            "Tirada gitana" "TIRADA GITANA/ROMANÍ" "horseshoe spread"; do
  "$deal" --spread "$name" --language es --text >"$tmp/out.txt" || fail "--spread '$name'"
done
grep -q '^Posición 7: ' "$tmp/out.txt" || fail "horseshoe spread by name is not the horseshoe"

# The system's reason in Spanish, from a Spanish locale built for the test where the system
# can build one (Debian's locales package).
mkdir -p "$tmp/locales"
if localedef -i es_ES -f UTF-8 "$tmp/locales/es_ES.UTF-8" >/dev/null 2>&1; then
  status=0
  LOCPATH=$tmp/locales "$deal" --spread 0 --language es --out "$tmp/no-such-folder/x.rtf" \
    2>"$tmp/stderr" || status=$?
  [[ $status -eq 1 ]] || fail "unwritable path exited with $status"
  grep -qx "baralune-deal: no se puede escribir '$tmp/no-such-folder/x.rtf': No existe el fichero o el directorio" \
    "$tmp/stderr" || fail "$(cat "$tmp/stderr")"
  LOCPATH=$tmp/locales "$deal" --spread 0 --language en --out "$tmp/no-such-folder/x.rtf" \
    2>"$tmp/stderr" && fail "unwritable path succeeded"
  grep -q ': No such file or directory$' "$tmp/stderr" || fail "English reason under --language en"
else
  echo "no Spanish locale could be built: the system's reasons in Spanish are not checked"
fi
exit 0
