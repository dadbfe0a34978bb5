#!/bin/sh
# Batch throughput: generates random hands into a file, then times
# `bidgauge --batch` on it, pinned to one core, writing the TSV to a file.
#
#   bench/batch_throughput.sh [PROGRAM] [COUNT]
#
# PROGRAM defaults to build/bidgauge, COUNT to 1000000. Prints hands per second
# (best of RUNS runs, default 5, by the wall-clock time GNU time reports, in
# hundredths of a second) and the peak memory from /usr/bin/time -v.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
program=${1:-build/bidgauge}
count=${2:-1000000}
runs=${RUNS:-5}

[ -x "$program" ] || { echo "batch_throughput: no program at $program" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "batch_throughput: needs /usr/bin/time (GNU time)" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

python3 "$here/make_hands.py" --count "$count" --seed 1 > "$work/hands.txt"
echo "input: $count hands, $(wc -c < "$work/hands.txt") bytes"

pin=""
command -v taskset > /dev/null && pin="taskset -c 0"

# One run to warm the page cache, then the timed ones.
$pin "$program" --batch "$work/hands.txt" > "$work/out.tsv"
rows=$(($(wc -l < "$work/out.tsv") - 1))
[ "$rows" -eq "$count" ] || { echo "batch_throughput: $rows rows for $count hands" >&2; exit 1; }

# Seconds from GNU time's "m:ss.cc" or "h:mm:ss" elapsed time.
seconds() {
  awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }'
}

best=""
peak=0
i=0
while [ "$i" -lt "$runs" ]; do
  rm -f "$work/out.tsv"  # dropping the last run's output is not part of the time
  /usr/bin/time -v -o "$work/time.txt" $pin "$program" --batch "$work/hands.txt" > "$work/out.tsv"
  wall=$(sed -n 's/.*Elapsed (wall clock) time (h:mm:ss or m:ss): //p' "$work/time.txt" | seconds)
  user=$(sed -n 's/.*User time (seconds): //p' "$work/time.txt")
  sys=$(sed -n 's/.*System time (seconds): //p' "$work/time.txt")
  kb=$(sed -n 's/.*Maximum resident set size (kbytes): //p' "$work/time.txt")
  [ "$kb" -gt "$peak" ] && peak=$kb
  if [ -z "$best" ] || awk -v a="$wall" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$wall; fi
  echo "run $((i + 1)): ${wall} s wall, ${user} s user, ${sys} s system, peak ${kb} KB"
  i=$((i + 1))
done

awk -v n="$count" -v s="$best" -v kb="$peak" 'BEGIN {
  printf "best: %.2f s, %.2f million hands per second; peak memory %.1f MB\n",
         s, n / s / 1e6, kb / 1024
}'
