#!/usr/bin/env python3
"""Writes bidgauge.ico, the program file's icon on Windows: the picture of
make_icon.py as one 48x48 image in 24-bit colour, stored as a bitmap (not as
PNG) so that every Windows version shows it. Deterministic output.

Usage: make_windows_icon.py [output path]   (default: bidgauge.ico next to this script)
"""

import os
import struct
import sys

import make_icon

SIZE = make_icon.SIZE
BITS = 24


def bitmap(rows):
    """A DIB as icons hold it: the header counts the colour and mask rows
    together, colour rows run bottom-up in BGR order, then the all-opaque mask."""
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, BITS, 0, 0, 0, 0, 0, 0)
    colour_row_size = (SIZE * 3 + 3) // 4 * 4
    mask_row_size = (SIZE + 31) // 32 * 4
    colour = b"".join(
        bytes(c for x in range(SIZE) for c in reversed(row[3 * x:3 * x + 3])).ljust(colour_row_size, b"\0")
        for row in reversed(rows))
    mask = bytes(mask_row_size * SIZE)
    return header + colour + mask


def icon(rows):
    image = bitmap(rows)
    directory = struct.pack("<HHH", 0, 1, 1)  # reserved, type 1 (icon), one image
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, BITS, len(image), 6 + 16)
    return directory + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "bidgauge.ico")
    rows = [b"".join(make_icon.pixel(x, y) for x in range(SIZE)) for y in range(SIZE)]
    with open(path, "wb") as out:
        out.write(icon(rows))


if __name__ == "__main__":
    main()
