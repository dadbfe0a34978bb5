#!/bin/sh
# Measures the interactive program in an emulated terminal: bytes written for
# an echoed key, an error bar and a results panel, processor time while idle,
# start-up time and peak memory, each against its target.
#
# Usage: bench/measure_terminal.sh [BUILD_DIR] [-- terminal_measure options]
#   BUILD_DIR  Release build directory to use (default: build-measure in the
#              source tree); configured and built here as needed.
#   options    --runs N (start-ups to take the median of, default 20),
#              --idle SECONDS (idle time watched, default 5).
# Example: bench/measure_terminal.sh /tmp/bidgauge-release -- --runs 50
#
# Exit status: 0 when every target is met, 1 when one is missed, 2 when the
# program could not be built or measured.
# Needs libvterm-dev and GoogleTest, like the end-to-end tests.

set -eu

source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$source_dir/build-measure"
if [ $# -gt 0 ] && [ "$1" != "--" ]; then
  build_dir=$1
  shift
fi
if [ $# -gt 0 ] && [ "$1" = "--" ]; then
  shift
fi

# Warnings are the other builds' business here: at -O3 GCC 12 raises false
# -Wrestrict alarms on string concatenation (GCC bug 105651).
cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DBIDGAUGE_SANITIZE=OFF \
  -DBIDGAUGE_WERROR=OFF -DBIDGAUGE_BUILD_TESTS=ON -DBIDGAUGE_BUILD_BENCH=OFF >/dev/null
log="$build_dir/measure_terminal-build.log"
if ! cmake --build "$build_dir" --target bidgauge terminal_measure -j2 >"$log" 2>&1; then
  tail -n 40 "$log" >&2
  exit 2
fi

exec "$build_dir/tests/e2e/terminal_measure" "$build_dir/bidgauge" "$@"
