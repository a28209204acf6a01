#!/bin/sh
# Builds the browser edition into BUILD/web and runs its tests in Debian's Chromium.
#   run_browser_tests.sh BUILD BARALUNE_DEAL [unittest arguments]
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
deal=$2
shift 2
"$here/../build.sh" "$build/web" >/dev/null
# axe-core from npm, at the version the lock file pins, kept beside the build.
tests="$build/web-tests"
if ! cmp -s "$here/package-lock.json" "$tests/package-lock.json" 2>/dev/null ||
  [ ! -f "$tests/node_modules/axe-core/axe.min.js" ]; then
  mkdir -p "$tests"
  cp "$here/package.json" "$here/package-lock.json" "$tests/"
  (cd "$tests" && npm ci --no-audit --no-fund --silent)
fi
exec /usr/bin/python3 "$here/browser_test.py" "$build/web" "$deal" \
  "$tests/node_modules/axe-core/axe.min.js" "$@"
