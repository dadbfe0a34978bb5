#!/bin/sh
# Installs the build into a fresh prefix, then builds and runs programs
# against the installed copy only: C through pkg-config, C++ through
# find_package (shared and static), Python through its unittest.
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

cmake -S "$here" -B "$work/cxx" -DCMAKE_PREFIX_PATH="$prefix" -DCMAKE_CXX_COMPILER="$cxx" \
  -DCMAKE_BUILD_TYPE=Release > "$work/cxx.log"
cmake --build "$work/cxx" > "$work/cxx-build.log" || { cat "$work/cxx-build.log"; exit 1; }
"$work/cxx/consumer_shared"
"$work/cxx/consumer_static"

python=/usr/bin/python3
[ -x "$python" ] || python=python3
unset BIDGAUGE_LIBRARY
cd "$here"
BIDGAUGE_PROGRAM="$prefix/bin/bidgauge" PYTHONPATH="$prefix/$python_dir" PYTHONDONTWRITEBYTECODE=1 "$python" -m unittest -v test_bidgauge 2>&1
