#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build (BUILD_DIR/bin/*_fuzz) for a bounded time over
# a copy of its seed corpus, tests/fuzz/corpus/<first word of its name>/, so that the
# committed seeds stay as they are. Fails on any crash, leak or timeout.
set -euo pipefail
build=${1:?usage: tools/run-fuzzers.sh BUILD_DIR}
seconds=${FUZZ_SECONDS:-60}
root=$(cd "$(dirname "$0")/.." && pwd)

shopt -s nullglob
fuzzers=("$build"/bin/*_fuzz)
if ((${#fuzzers[@]} == 0)); then
  echo "No fuzzers in $build/bin: configure with clang and -DBARALUNE_FUZZ=ON." >&2
  exit 1
fi

passed=0
failed=0
for fuzzer in "${fuzzers[@]}"; do
  name=$(basename "$fuzzer")
  seeds="$root/tests/fuzz/corpus/${name%%_*}"
  out="$build/fuzz-runs/$name"
  rm -rf "$out"
  mkdir -p "$out/corpus" "$out/artifacts"
  if [[ -d "$seeds" ]]; then cp -R "$seeds"/. "$out/corpus/"; fi
  echo "Fuzzing $name for ${seconds}s (seeds: $seeds)"
  if ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=10 \
    -artifact_prefix="$out/artifacts/" "$out/corpus" >"$out/log.txt" 2>&1; then
    echo "  ok: $(grep -E '^Done [0-9]+ runs' "$out/log.txt" | tail -n 1 || true)"
    passed=$((passed + 1))
  else
    echo "  FAILED: $name (inputs kept in $out/artifacts); end of its log:" >&2
    tail -n 60 "$out/log.txt" >&2
    failed=$((failed + 1))
  fi
done
echo "fuzzers: $passed passed, $failed failed"
((failed == 0))
