#!/usr/bin/env bash
# Static analysis of src/: clang-tidy with the checks in .clang-tidy, then
# cppcheck. Any finding fails.
set -euo pipefail
cd "$(dirname "$0")/.."

cmake --preset default >/dev/null
# Generated headers (the embedded sound) must exist before the sources parse.
cmake --build --preset default --target bidgauge_resources >/dev/null

run-clang-tidy -p build -quiet -j "$(nproc)" -extra-arg=-Wno-unknown-warning-option \
  "$PWD/src/" >build/clang-tidy.log 2>&1 || {
  grep -E 'error:|warning:' build/clang-tidy.log | sort -u
  echo "lint: clang-tidy found problems (build/clang-tidy.log)" >&2
  exit 1
}

# Raw loops are often clearer than the algorithm cppcheck would suggest.
cppcheck --std=c++20 --language=c++ --enable=warning,style,performance,portability \
  --inline-suppr --quiet --error-exitcode=1 -j "$(nproc)" -I src \
  --suppress=missingIncludeSystem --suppress=useStlAlgorithm src
echo "lint: clean"
