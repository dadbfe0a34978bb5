#!/usr/bin/env python3
"""Writes bidgauge.png, the 48x48 application icon (24-bit RGB, no alpha).

A playing card on green baize with the four suits in a 2x2 grid: spade and
club in black, heart and diamond in red. Shapes are plain geometry tested
per sub-pixel; 4x4 supersampling smooths the edges. Deterministic output.

Usage: make_icon.py [output path] [size]
  (default: bidgauge.png next to this script, 48 pixels square; the same
  drawing is scaled to other sizes, as for the web page's 192 and 512 px icons)
"""

import math
import os
import struct
import sys
import zlib

SIZE = 48
SUBSAMPLES = 4

BAIZE = (22, 96, 50)
BAIZE_EDGE = (12, 60, 30)
CARD = (250, 250, 244)
CARD_BORDER = (120, 120, 120)
BLACK = (24, 24, 32)
RED = (204, 24, 36)

CARD_LEFT, CARD_TOP, CARD_RIGHT, CARD_BOTTOM, CARD_RADIUS = 6.0, 2.0, 42.0, 46.0, 5.0
SUIT_HALF_SIZE = 6.5


def in_rounded_rect(x, y, left, top, right, bottom, radius):
    cx = min(max(x, left + radius), right - radius)
    cy = min(max(y, top + radius), bottom - radius)
    return left <= x <= right and top <= y <= bottom and math.hypot(x - cx, y - cy) <= radius


def in_circle(x, y, cx, cy, r):
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_triangle(x, y, a, b, c):
    def side(p, q):
        return (q[0] - p[0]) * (y - p[1]) - (q[1] - p[1]) * (x - p[0])
    s1, s2, s3 = side(a, b), side(b, c), side(c, a)
    return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)


# Suit shapes in unit coordinates: x and y in [-1, 1], y pointing down.
def heart(u, v):
    return (in_circle(u, v, -0.48, -0.38, 0.52) or in_circle(u, v, 0.48, -0.38, 0.52)
            or in_triangle(u, v, (-0.97, -0.22), (0.97, -0.22), (0.0, 0.95)))


def spade(u, v):
    # An upside-down heart, shrunk and raised to leave room for the stem.
    lobes = heart(u / 0.81, -(v + 0.23) / 0.81)
    stem = in_triangle(u, v, (0.0, 0.1), (-0.42, 1.0), (0.42, 1.0))
    return lobes or stem


def diamond(u, v):
    return abs(u) / 0.78 + abs(v) <= 1.0


def club(u, v):
    leaves = (in_circle(u, v, 0.0, -0.5, 0.4) or in_circle(u, v, -0.5, 0.12, 0.4)
              or in_circle(u, v, 0.5, 0.12, 0.4) or in_circle(u, v, 0.0, 0.0, 0.25))
    stem = in_triangle(u, v, (0.0, 0.1), (-0.38, 1.0), (0.38, 1.0))
    return leaves or stem


SUITS = ((16.5, 15.0, spade, BLACK), (31.5, 15.0, heart, RED),
         (16.5, 33.0, diamond, RED), (31.5, 33.0, club, BLACK))


def colour_at(x, y):
    if not in_rounded_rect(x, y, CARD_LEFT, CARD_TOP, CARD_RIGHT, CARD_BOTTOM, CARD_RADIUS):
        # Darken the baize towards the corners.
        d = math.hypot(x - SIZE / 2, y - SIZE / 2) / (SIZE / math.sqrt(2))
        return tuple(round(a + (b - a) * d) for a, b in zip(BAIZE, BAIZE_EDGE))
    if not in_rounded_rect(x, y, CARD_LEFT + 1, CARD_TOP + 1, CARD_RIGHT - 1, CARD_BOTTOM - 1,
                           CARD_RADIUS - 1):
        return CARD_BORDER
    for cx, cy, shape, ink in SUITS:
        if shape((x - cx) / SUIT_HALF_SIZE, (y - cy) / SUIT_HALF_SIZE):
            return ink
    return CARD


def pixel(px, py, scale=1.0):
    total = [0, 0, 0]
    for sy in range(SUBSAMPLES):
        for sx in range(SUBSAMPLES):
            c = colour_at((px + (sx + 0.5) / SUBSAMPLES) * scale,
                          (py + (sy + 0.5) / SUBSAMPLES) * scale)
            total = [t + v for t, v in zip(total, c)]
    return bytes(round(t / SUBSAMPLES ** 2) for t in total)


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def png_rgb(width, height, rows):
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)  # 8-bit RGB
    raw = b"".join(b"\x00" + row for row in rows)  # filter type 0 on every row
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
            + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "bidgauge.png")
    size = int(sys.argv[2]) if len(sys.argv) > 2 else SIZE
    scale = SIZE / size
    rows = [b"".join(pixel(x, y, scale) for x in range(size)) for y in range(size)]
    with open(path, "wb") as out:
        out.write(png_rgb(size, size, rows))


if __name__ == "__main__":
    main()
