#!/usr/bin/env python3
"""Writes random bridge hands, one per line, for the batch benchmark.

Most lines are typed as on the entry line ("KQ7543 QT2 A J98", '-' for a void);
some use spot cards (x) and some the dotted form ("KQ7543.QT2.A.J98").
The same seed always gives the same file.
"""

import argparse
import random
import sys

RANKS = "AKQJT98765432"


def hand_line(rng):
    cards = sorted(rng.sample(range(52), 13))
    suits = [[], [], [], []]
    for card in cards:
        suits[card // 13].append(RANKS[card % 13])
    style = rng.random()
    if style < 0.15:  # the lowest cards as spot cards
        suits = [s[:-2] + ["x"] * len(s[-2:]) if len(s) > 3 else s for s in suits]
    groups = ["".join(s) for s in suits]
    if style > 0.85:
        return ".".join(groups)
    return " ".join(g or "-" for g in groups)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--count", type=int, default=1_000_000)
    parser.add_argument("--seed", type=int, default=1)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    out = sys.stdout
    chunk = []
    for i in range(args.count):
        chunk.append(hand_line(rng))
        if len(chunk) == 10_000:
            out.write("\n".join(chunk) + "\n")
            chunk.clear()
    if chunk:
        out.write("\n".join(chunk) + "\n")


if __name__ == "__main__":
    main()
