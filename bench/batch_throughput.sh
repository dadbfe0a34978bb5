#!/bin/sh
# Batch throughput: generates random hands into a file, then runs
# `bidgauge --batch hands.txt` on it in the file's folder, as a player would,
# pinned to one core, writing the TSV to a file. (The source column repeats the
# file name on every row, so the name's length is part of the work.)
#
#   bench/batch_throughput.sh [--against BASELINE] [PROGRAM] [COUNT]
#
# PROGRAM defaults to build/bidgauge, COUNT to 1000000. Prints hands per second
# of CPU time (user + system, best of RUNS runs, default 5) and the peak
# memory. With --against, BASELINE (another build of the program) runs on the
# same file in turn with PROGRAM, and the ratio of their throughputs is printed.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
baseline=""
if [ "${1:-}" = "--against" ]; then
  baseline=$2
  shift 2
fi
program=${1:-build/bidgauge}
count=${2:-1000000}
runs=${RUNS:-5}

[ -x /usr/bin/time ] || { echo "batch_throughput: needs /usr/bin/time (GNU time)" >&2; exit 2; }
for binary in "$program" $baseline; do
  [ -x "$binary" ] || { echo "batch_throughput: no program at $binary" >&2; exit 2; }
done
absolute() { case $1 in /*) echo "$1" ;; *) echo "$PWD/$1" ;; esac; }
program=$(absolute "$program")
[ -z "$baseline" ] || baseline=$(absolute "$baseline")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

python3 "$here/make_hands.py" --count "$count" --seed 1 > "$work/hands.txt"
echo "input: $count hands, $(wc -c < "$work/hands.txt") bytes"

pin=""
command -v taskset > /dev/null && pin="taskset -c 0"

# One run of a program: its CPU seconds, as the kernel accounts them for the
# child, and its peak resident kilobytes as GNU time reports them (which, unlike
# the child's own count, leaves out the memory of the Python that starts it).
measure() {
  rm -f "$work/out.tsv"  # dropping the last run's output is not part of the time
  python3 -c '
import os, subprocess, sys
with open(sys.argv[2], "wb") as out:
    child = subprocess.Popen(sys.argv[3:], stdout=out, cwd=os.path.dirname(sys.argv[2]))
    _, status, usage = os.wait4(child.pid, 0)
if os.waitstatus_to_exitcode(status) != 0:
    sys.exit("batch_throughput: the program failed")
print(f"{usage.ru_utime + usage.ru_stime:.4f}")
' "$1" "$work/out.tsv" /usr/bin/time -f %M -o "$work/memory.txt" $pin "$1" --batch hands.txt
  cat "$work/memory.txt"
}

check_rows() {
  rows=$(($(wc -l < "$work/out.tsv") - 1))
  [ "$rows" -eq "$count" ] || { echo "batch_throughput: $1 gave $rows rows for $count hands" >&2; exit 1; }
}

# One run each to warm the page cache, then the timed ones taken in turn, so
# that both programs see the same machine.
for binary in "$program" $baseline; do
  measure "$binary" > /dev/null
  check_rows "$binary"
done

best_new=""
best_old=""
peak_new=0
peak_old=0
better() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(b == "" || a < b) }'; }
i=0
while [ "$i" -lt "$runs" ]; do
  set -- $(measure "$program" | tr '\n' ' ')
  echo "run $((i + 1)): $program: $1 s CPU, peak $2 KB"
  better "$1" "$best_new" && best_new=$1
  [ "$2" -gt "$peak_new" ] && peak_new=$2
  if [ -n "$baseline" ]; then
    set -- $(measure "$baseline" | tr '\n' ' ')
    echo "run $((i + 1)): $baseline: $1 s CPU, peak $2 KB"
    better "$1" "$best_old" && best_old=$1
    [ "$2" -gt "$peak_old" ] && peak_old=$2
  fi
  i=$((i + 1))
done

report() {
  awk -v name="$1" -v n="$count" -v s="$2" -v kb="$3" 'BEGIN {
    printf "%s: best %.3f s CPU, %.2f million hands per CPU second; peak memory %.1f MB\n",
           name, s, n / s / 1e6, kb / 1024
  }'
}
report "$program" "$best_new" "$peak_new"
if [ -n "$baseline" ]; then
  report "$baseline" "$best_old" "$peak_old"
  awk -v new="$best_new" -v old="$best_old" 'BEGIN { printf "ratio: %.2f times the baseline throughput\n", old / new }'
fi
