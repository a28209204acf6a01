#!/bin/sh
# Builds the browser edition into OUT (default build/web): static files, served as they are.
#   web/build.sh [OUT]
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$top/build/web}
work=${out}-build
# Debian's emscripten runs its JavaScript tools with node and finds their modules there; a
# node from elsewhere first on PATH needs to be told.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
if [ ! -f "$work/build.ninja" ]; then
  emcmake cmake -S "$top/web" -B "$work" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DBARALUNE_WEB_OUT="$out" >/dev/null
fi
cmake --build "$work"
