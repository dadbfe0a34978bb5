#!/usr/bin/env python3
"""Hands per second through bidgauge.evaluate_many, from a list of strings.

    BIDGAUGE_LIBRARY=build/lib/libbidgauge.so.1 python3 bench/evaluate_many_speed.py

Evaluates the random hands of make_hands.py (same seed, same hands) in one
call, RUNS times, and prints the best rate; also the rate of evaluate() one
hand at a time, for comparison.
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
    best = float("inf")
    for _ in range(runs):
        start = time.perf_counter()
        result = work()
        best = min(best, time.perf_counter() - start)
        del result
    return best


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--count", type=int, default=1_000_000)
    parser.add_argument("--runs", type=int, default=5)
    args = parser.parse_args()
    rng = random.Random(1)
    hands = [hand_line(rng) for _ in range(args.count)]

    seconds = best_seconds(args.runs, lambda: bidgauge.evaluate_many(hands))
    print(f"evaluate_many: {args.count} hands, best of {args.runs}: {seconds:.3f} s, "
          f"{args.count / seconds:,.0f} hands/s")
    few = hands[: max(1, args.count // 10)]
    seconds = best_seconds(1, lambda: [bidgauge.evaluate(hand) for hand in few])
    print(f"evaluate, one at a time: {len(few) / seconds:,.0f} hands/s")


if __name__ == "__main__":
    main()
