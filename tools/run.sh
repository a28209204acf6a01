#!/usr/bin/env bash
# Starts Baralune; without the windows or a display, deals a sample reading instead.
set -euo pipefail
build=${1:-build}
if [[ -x "$build/bin/baralune" && -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  exec "$build/bin/baralune"
fi
if [[ -x "$build/bin/baralune" ]]; then
  echo "No display found: dealing a sample reading instead of opening the window."
fi
out="$build/sample-reading.rtf"
"$build/bin/baralune-deal" --spread "Horseshoe Spread" --out "$out"
echo "A sample Horseshoe reading was saved to $(realpath "$out")"
