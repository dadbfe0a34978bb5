#!/usr/bin/env bash
# Test names are for people and for `ctest -R`: short, readable, and the same
# in every build. Fails on a name that dumps a parameter's bytes, on a name
# over 120 characters, or when two builds list different tests.
#
#   tools/check_test_names.sh BUILD_DIR [OTHER_BUILD_DIR]
set -euo pipefail

names() { (cd "$1" && ctest -N) | sed -n 's/^ *Test *#[0-9]*: //p' | sort; }

status=0
first=$(names "$1")
[ -n "$first" ] || { echo "check_test_names: $1 lists no tests" >&2; exit 1; }
if grep -n "byte object" <<<"$first"; then
  echo "check_test_names: names above print a parameter's bytes; give the suite a name generator" >&2
  status=1
fi
if awk 'length($0) > 120' <<<"$first" | grep .; then
  echo "check_test_names: names above are longer than 120 characters" >&2
  status=1
fi
if [ $# -ge 2 ]; then
  # A build may leave out whole tests (the sanitized one cannot load the
  # installed library into other programs): compare the tests both list.
  if ! diff <(names "$2" | grep -vx 'lib_consumer') <(grep -vx 'lib_consumer' <<<"$first") >/dev/null; then
    diff <(names "$2" | grep -vx 'lib_consumer') <(grep -vx 'lib_consumer' <<<"$first") | head -n 20 >&2
    echo "check_test_names: $1 and $2 list different tests" >&2
    status=1
  fi
fi
[ $status -ne 0 ] || echo "check_test_names: $(wc -l <<<"$first") names, all readable and stable"
exit $status
