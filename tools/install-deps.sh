#!/usr/bin/env bash
# Installs the Debian packages of the given lists that this machine lacks:
#   tools/install-deps.sh          what building and running need (tools/debian-packages.txt)
#   tools/install-deps.sh --test   that, and what testing and packaging add
#   tools/install-deps.sh --web    what the browser edition needs (tools/debian-web-packages.txt)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

# The packages of a list that are not installed yet.
missing_from() {
  local pkg status
  while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    status=$(dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || echo "$pkg"
  done <"$1"
}

run=()
test=()
web=()
if [[ "${1:-}" != "--web" ]]; then mapfile -t run < <(missing_from "$here/debian-packages.txt"); fi
if [[ "${1:-}" == "--test" ]]; then mapfile -t test < <(missing_from "$here/debian-test-packages.txt"); fi
# The tests drive the browser edition too.
if [[ "${1:-}" == "--test" || "${1:-}" == "--web" ]]; then
  mapfile -t web < <(missing_from "$here/debian-web-packages.txt")
  # The browser tests take axe-core from npm; a node installed from elsewhere brings its own.
  if [[ "${1:-}" == "--test" ]] && ! command -v npm >/dev/null; then web+=(npm); fi
fi
((${#run[@]} + ${#test[@]} + ${#web[@]} == 0)) && exit 0

sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
if ((${#run[@]} > 0)); then
  echo "Installing: ${run[*]}"
  # What Debian recommends beside Qt and the compiler is a desktop's worth of extras that
  # building and running Baralune never use.
  $sudo apt-get install -y -qq --no-install-recommends "${run[@]}"
fi
if ((${#web[@]} > 0)); then
  echo "Installing for the browser edition: ${web[*]}"
  $sudo apt-get install -y -qq --no-install-recommends "${web[@]}"
fi
if ((${#test[@]} > 0)); then
  echo "Installing for the tests: ${test[*]}"
  $sudo apt-get install -y -qq "${test[@]}"
fi
