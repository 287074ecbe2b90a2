#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the program's icon for the desktop's icon theme: an SVG and PNG files of the given
sizes, from one description made of rectangles, so every size shows the same picture.
Standard library only.

Usage: draw_icon.py FOLDER NAME SIZE...   writes FOLDER/NAME.svg and FOLDER/SIZE/NAME.png
"""
import math
import struct
import sys
import zlib
from pathlib import Path

# The picture is drawn on a grid of this many units a side and scaled to each size.
GRID = 32
INK = (40, 40, 48)
PAPER = (255, 255, 255)
GREY = (150, 150, 150)
RED = (200, 40, 40)
BLUE = (40, 90, 190)
FILLER = (255, 245, 190)
# The text rows of each page, top to bottom: the left page has a line the right one lacks, the
# right page has a changed line.
LEFT_ROWS = [GREY, FILLER, GREY, BLUE, GREY, GREY]
RIGHT_ROWS = [GREY, RED, GREY, BLUE, GREY, GREY]


def shapes():
    """The icon as (left, top, width, height, colour) rectangles in grid units, back to front."""
    result = []
    for left, rows in ((2, LEFT_ROWS), (17, RIGHT_ROWS)):
        result.append((left, 3, 13, 26, INK))
        result.append((left + 1, 4, 11, 24, PAPER))
        for row, colour in enumerate(rows):
            result.append((left + 2, 6 + row * 4, 9, 2, colour))
    return result


def svg():
    body = "".join(
        f'  <rect x="{left}" y="{top}" width="{width}" height="{height}" '
        f'fill="#{red:02x}{green:02x}{blue:02x}"/>\n'
        for left, top, width, height, (red, green, blue) in shapes())
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{GRID}" height="{GRID}" '
            f'viewBox="0 0 {GRID} {GRID}">\n{body}</svg>\n')


def raster(size):
    """RGBA pixels of the icon at size x size, each rectangle weighted by the pixel area it
    covers so that small sizes stay smooth."""
    scale = size / GRID
    pixels = [[(0.0, 0.0, 0.0, 0.0)] * size for _ in range(size)]
    for left, top, width, height, colour in shapes():
        x0, y0 = left * scale, top * scale
        x1, y1 = (left + width) * scale, (top + height) * scale
        for y in range(math.floor(y0), min(size, math.ceil(y1))):
            cover_y = min(y1, y + 1) - max(y0, y)
            for x in range(math.floor(x0), min(size, math.ceil(x1))):
                alpha = cover_y * (min(x1, x + 1) - max(x0, x))
                red, green, blue, below = pixels[y][x]
                # Source over destination, with premultiplied colours.
                pixels[y][x] = (colour[0] * alpha + red * (1 - alpha),
                                colour[1] * alpha + green * (1 - alpha),
                                colour[2] * alpha + blue * (1 - alpha),
                                alpha + below * (1 - alpha))
    return pixels


def png(pixels):
    def byte(value):
        return max(0, min(255, round(value)))

    def straight(red, green, blue, alpha):
        if alpha == 0:
            return bytes(4)
        return bytes((byte(red / alpha), byte(green / alpha), byte(blue / alpha),
                      byte(alpha * 255)))

    raw = b"".join(b"\0" + b"".join(straight(*pixel) for pixel in row) for row in pixels)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    size = len(pixels)
    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) < 4:
        sys.exit(__doc__.strip().splitlines()[-1])
    folder, name, sizes = Path(sys.argv[1]), sys.argv[2], [int(size) for size in sys.argv[3:]]
    folder.mkdir(parents=True, exist_ok=True)
    (folder / f"{name}.svg").write_text(svg())
    for size in sizes:
        (folder / str(size)).mkdir(exist_ok=True)
        (folder / str(size) / f"{name}.png").write_bytes(png(raster(size)))


if __name__ == "__main__":
    main()
