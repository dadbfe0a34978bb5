#!/usr/bin/env python3
"""Hands per second through bidgauge.evaluate_many, from a list of strings.

    BIDGAUGE_LIBRARY=build/lib/libbidgauge.so.1 python3 bench/evaluate_many_speed.py

Evaluates the random hands of make_hands.py (same seed, same hands) in one
call, RUNS times, and prints the best rate by the wall clock and by the
process's CPU time (the fairer figure on a busy machine), and whether the C
module _bidgauge_rows built the rows (BIDGAUGE_PURE_PYTHON=1 measures
without it); also the rate of evaluate() one hand at a time, for comparison.
"""

import argparse
import random
import sys
import time
from pathlib import Path

here = Path(__file__).resolve().parent
sys.path.insert(0, str(here))
sys.path.insert(0, str(here.parent / "python"))

import bidgauge  # noqa: E402
from make_hands import hand_line  # noqa: E402


def best_seconds(runs, work):
    """The shortest wall-clock and CPU times of `runs` runs."""
    wall = cpu = float("inf")
    for _ in range(runs):
        start, start_cpu = time.perf_counter(), time.process_time()
        result = work()
        wall = min(wall, time.perf_counter() - start)
        cpu = min(cpu, time.process_time() - start_cpu)
        del result
    return wall, cpu


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--count", type=int, default=1_000_000)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    rng = random.Random(1)
    hands = [hand_line(rng) for _ in range(args.count)]

    wall, cpu = best_seconds(args.runs, lambda: bidgauge.evaluate_many(hands))
    rows_by = "the C module" if bidgauge._rows_module else "pure Python"
    print(f"evaluate_many ({rows_by}): {args.count} hands, best of {args.runs}: "
          f"{args.count / wall:,.0f} hands/s wall ({wall:.3f} s), "
          f"{args.count / cpu:,.0f} hands/s CPU ({cpu:.3f} s)")
    few = hands[: max(1, args.count // 10)]
    wall, cpu = best_seconds(1, lambda: [bidgauge.evaluate(hand) for hand in few])
    print(f"evaluate, one at a time: {len(few) / wall:,.0f} hands/s wall, "
          f"{len(few) / cpu:,.0f} hands/s CPU")


if __name__ == "__main__":
    main()
