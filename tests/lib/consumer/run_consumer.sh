#!/bin/sh
# Installs the build into a fresh prefix, then builds and runs programs
# against the installed copy only: C through pkg-config (the README's example
# too), C and C++ through find_package (shared and static), Python through
# its unittest, with bidgauge.py's C module and without.
#
#   run_consumer.sh BUILD_DIR PYTHON_DIR CXX
set -eu

build=$1
python_dir=$2
cxx=$3
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" > "$work/install.log"

pc=$(find "$prefix" -name bidgauge.pc)
export PKG_CONFIG_PATH="$(dirname "$pc")"
libdir=$(pkg-config --variable=libdir bidgauge)
cc -std=c99 -Wall -Wextra -Werror -pedantic "$here/consumer.c" -o "$work/consumer_c" \
  $(pkg-config --cflags --libs bidgauge)
LD_LIBRARY_PATH=$libdir "$work/consumer_c"

# The README's C example, as a reader would build it, printing what it says.
sed -n '/^```c$/,/^```$/p' "$here/../../../README.md" | sed '1d;$d' > "$work/readme.c"
cc -std=c99 -Wall -Wextra -Werror "$work/readme.c" -o "$work/readme_c" \
  $(pkg-config --cflags --libs bidgauge) -Wl,-rpath,"$libdir"
expect() {
  [ "$1" = "$2" ] || { echo "README example printed '$1', not '$2'"; exit 1; }
}
expect "$("$work/readme_c")" "KnR 12.35, Zar 28, opens: yes"
expect "$("$work/readme_c" "5432 432 432 432")" "KnR -0.50, Zar 8, opens: no"

cmake -S "$here/c" -B "$work/c" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_BUILD_TYPE=Release \
  > "$work/c.log"
cmake --build "$work/c" > "$work/c-build.log" || { cat "$work/c-build.log"; exit 1; }
"$work/c/consumer_c_shared"
"$work/c/consumer_c_static"

cmake -S "$here" -B "$work/cxx" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_BUILD_TYPE=Release > "$work/cxx.log"
cmake --build "$work/cxx" > "$work/cxx-build.log" || { cat "$work/cxx-build.log"; exit 1; }
"$work/cxx/consumer_shared"
"$work/cxx/consumer_static"

python=/usr/bin/python3
[ -x "$python" ] || python=python3
unset BIDGAUGE_LIBRARY
cd "$here"
export BIDGAUGE_PROGRAM="$prefix/bin/bidgauge" PYTHONPATH="$prefix/$python_dir" PYTHONDONTWRITEBYTECODE=1
"$python" -m unittest -v test_bidgauge test_rows_module 2>&1
# Without the C module (if one was installed), the same rows.
BIDGAUGE_PURE_PYTHON=1 "$python" -m unittest test_bidgauge 2>&1
