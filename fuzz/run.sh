#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time.
# Usage: fuzz/run.sh [seconds per target, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

for target in build-fuzz/fuzz/*_fuzzer; do
  name=$(basename "$target" _fuzzer)
  work=build-fuzz/corpus/$name
  mkdir -p "$work"
  echo "== $name: ${seconds}s"
  "$target" -max_total_time="$seconds" -max_len=1024 -timeout=10 -rss_limit_mb=2048 \
    -artifact_prefix=build-fuzz/ "$work" "fuzz/corpus/$name" 2>&1 |
    grep -E '^(#[0-9]+ +DONE|Done|==[0-9]+==ERROR|SUMMARY)' || true
  # A finding leaves a crash-, leak- or timeout- file behind.
  if ls build-fuzz/crash-* build-fuzz/leak-* build-fuzz/timeout-* >/dev/null 2>&1; then
    echo "fuzz: $name found a failing input in build-fuzz/" >&2
    exit 1
  fi
done
