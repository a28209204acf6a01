#!/usr/bin/env bash
# baralune --help and --version with no display at all: they answer and exit 0, in the
# language of the locale, and a standard output that cannot be written is an error.
set -euo pipefail
program=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
headless() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u LC_ALL -u LC_MESSAGES QT_QPA_PLATFORM= \
    HOME="$tmp" XDG_CONFIG_HOME="$tmp/config" XDG_DATA_HOME="$tmp/data" "$@"
}

headless LANG=C "$program" --help >"$tmp/help" 2>"$tmp/err" || fail "--help exited $?"
grep -q '^Usage: baralune' "$tmp/help" || fail "--help printed no usage"
grep -q -- '--version' "$tmp/help" || fail "--help does not list --version"
[[ ! -s $tmp/err ]] || fail "--help wrote to standard error: $(cat "$tmp/err")"
headless LANG=C "$program" -platform xcb --help >/dev/null || fail "--help after Qt's options"

headless LANG=C "$program" --version >"$tmp/version" || fail "--version exited $?"
[[ $(cat "$tmp/version") == "baralune 1.15" ]] || fail "--version printed $(cat "$tmp/version")"

headless LANG=es_ES.UTF-8 "$program" --help >"$tmp/ayuda" || fail "--help in Spanish exited $?"
grep -q '^Uso: baralune' "$tmp/ayuda" || fail "--help is not in Spanish: $(head -1 "$tmp/ayuda")"

if [[ -w /dev/full ]]; then
  if headless LANG=C "$program" --help >/dev/full 2>"$tmp/err"; then
    fail "--help to a full disk reported success"
  fi
  grep -q 'cannot write' "$tmp/err" || fail "the failed write was not said"
fi
echo "PASS"
