#!/usr/bin/env bash
# A study spread over three processes by mpirun writes the same table, cache
# and report, byte for byte, as the same program run alone.
#   tests/study/mpi_same_output.sh BIDGAUGE   (a build with BIDGAUGE_MPI=ON)
set -euo pipefail
program=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

study() {  # study NAME [mpirun words...]
  local name=$1
  shift
  (cd "$work" && "$@" "$program" --study --deals 30 --seed 11 --report "$name" \
    --cache "$name.tricks" >"$name.txt" 2>"$name.err") || {
    echo "FAIL: the $name run failed:" >&2
    cat "$work/$name.err" >&2
    exit 1
  }
}

# mpirun refuses root unless told; more processes than cores is the point here.
mpirun_words=(mpirun --oversubscribe -n 3)
[ "$(id -u)" = 0 ] && mpirun_words+=(--allow-run-as-root)

study alone
study three "${mpirun_words[@]}"

cmp "$work/alone.tricks" "$work/three.tricks"
cmp "$work/alone.txt" "$work/three.txt"
diff -r "$work/alone" "$work/three"
[ "$(wc -l <"$work/alone.tricks")" = 30 ] || { echo "FAIL: the cache lacks deals" >&2; exit 1; }
echo "PASS: one process and three wrote the same table, cache and report"
