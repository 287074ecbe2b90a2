#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the program's images (marker, toolbar strip, caption buttons, About button, icon) as PNG
files into the folder given on the command line. Standard library only."""
import struct
import sys
import zlib
from pathlib import Path

# The toolbar's background; the program swaps it for the system's button face when loading.
TOOLBAR_FACE = (238, 236, 221)
WHITE = (255, 255, 255)
INK = (40, 40, 48)


class Canvas:
    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.pixels = [[colour] * width for _ in range(height)]

    def dot(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills x0..x1, y0..y1 inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.dot(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.rect(x0, y0, x1, y0, colour)
        self.rect(x0, y1, x1, y1, colour)
        self.rect(x0, y0, x0, y1, colour)
        self.rect(x1, y0, x1, y1, colour)

    def line(self, x0, y0, x1, y1, colour, width=1):
        steps = max(abs(x1 - x0), abs(y1 - y0), 1)
        for step in range(steps + 1):
            x = round(x0 + (x1 - x0) * step / steps)
            y = round(y0 + (y1 - y0) * step / steps)
            self.rect(x, y, x + width - 1, y + width - 1, colour)

    def polygon(self, points, colour):
        """Fills a polygon by testing each pixel centre (even-odd rule)."""
        for y in range(self.height):
            for x in range(self.width):
                px, py, inside = x + 0.5, y + 0.5, False
                for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                    if (ay > py) != (by > py) and px < ax + (py - ay) * (bx - ax) / (by - ay):
                        inside = not inside
                if inside:
                    self.dot(x, y, colour)

    def disc(self, cx, cy, outer, colour, inner=0.0):
        for y in range(self.height):
            for x in range(self.width):
                distance = ((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2) ** 0.5
                if inner <= distance <= outer:
                    self.dot(x, y, colour)

    def paste(self, other, left, top):
        for y in range(other.height):
            for x in range(other.width):
                self.dot(left + x, top + y, other.pixels[y][x])

    def save(self, path):
        raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in self.pixels)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 2, 0, 0, 0)
        Path(path).write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
                               chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def marker():
    """A red arrow pointing right, on white (the transparent colour)."""
    image = Canvas(16, 25, WHITE)
    outline = [(0, 9), (7, 9), (7, 3), (15, 12.5), (7, 22), (7, 16), (0, 16)]
    image.polygon(outline, (120, 20, 20))
    inner = [(1, 10), (8, 10), (8, 5.5), (13.5, 12.5), (8, 19.5), (8, 15), (1, 15)]
    image.polygon(inner, (225, 60, 50))
    return image


def toolbar_icon(kind):
    icon = Canvas(16, 16, TOOLBAR_FACE)
    blue, green, red, yellow = (40, 90, 190), (40, 150, 60), (200, 40, 40), (235, 190, 60)
    if kind in ("open left", "open right"):
        icon.rect(5, 5, 15, 14, yellow)
        icon.rect(5, 3, 9, 4, yellow)
        icon.frame(5, 5, 15, 14, (150, 110, 20))
        arrow = [(0, 9.5), (4, 5.5), (4, 13.5)] if kind == "open left" else None
        if arrow:
            icon.polygon(arrow, blue)
        else:
            icon.rect(0, 5, 4, 14, TOOLBAR_FACE)
            icon.rect(1, 5, 11, 14, yellow)
            icon.rect(1, 3, 5, 4, yellow)
            icon.frame(1, 5, 11, 14, (150, 110, 20))
            icon.rect(12, 5, 15, 14, TOOLBAR_FACE)
            icon.polygon([(16, 9.5), (12, 5.5), (12, 13.5)], blue)
    elif kind == "recompare":
        icon.disc(8, 8, 7, green, 4.2)
        icon.rect(8, 0, 15, 7, TOOLBAR_FACE)
        icon.polygon([(7, 0), (13, 4), (7, 8)], green)
    elif kind == "split":
        icon.rect(1, 2, 14, 13, WHITE)
        icon.frame(1, 2, 14, 13, INK)
        icon.rect(1, 2, 14, 3, blue)
        icon.rect(7, 4, 8, 13, INK)
        icon.rect(9, 8, 14, 8, (150, 150, 150))
    elif kind in ("first", "previous", "next", "last"):
        up = kind in ("first", "previous")
        head = [(8, 3), (14, 10), (2, 10)] if up else [(8, 12), (14, 5), (2, 5)]
        if kind == "first":
            head = [(8, 4), (14, 11), (2, 11)]
            icon.rect(2, 1, 13, 2, blue)
        if kind == "last":
            head = [(8, 11), (14, 4), (2, 4)]
            icon.rect(2, 13, 13, 14, blue)
        icon.polygon(head, blue)
    elif kind == "setup":
        icon.disc(8, 8, 5.5, (110, 110, 120), 2.2)
        for dx, dy in ((0, -1), (0, 1), (-1, 0), (1, 0), (-1, -1), (1, 1), (-1, 1), (1, -1)):
            x, y = 8 + dx * 6, 8 + dy * 6
            icon.rect(round(x - 1.5), round(y - 1.5), round(x + 0.5), round(y + 0.5),
                      (110, 110, 120))
    elif kind == "about":
        icon.disc(8, 8, 7, blue)
        icon.rect(7, 3, 8, 4, WHITE)
        icon.rect(7, 6, 8, 12, WHITE)
        icon.rect(6, 12, 9, 12, WHITE)
    elif kind == "exit":
        icon.line(2, 2, 12, 12, red, 2)
        icon.line(12, 2, 2, 12, red, 2)
    return icon


def toolbar_strip():
    kinds = ["open left", "open right", "recompare", "split", "first", "previous", "next",
             "last", "setup", "about", "exit"]
    strip = Canvas(16 * len(kinds), 16, TOOLBAR_FACE)
    for index, kind in enumerate(kinds):
        strip.paste(toolbar_icon(kind), 16 * index, 0)
    return strip


def caption_buttons():
    """Close, maximise, minimise, restore: dark marks on grey; the frame tints them."""
    grey, strip = (192, 192, 192), Canvas(80, 20, (192, 192, 192))
    for index in range(4):
        button = Canvas(20, 20, grey)
        button.frame(0, 0, 19, 19, (150, 150, 150))
        if index == 0:
            button.line(5, 5, 13, 13, INK, 2)
            button.line(13, 5, 5, 13, INK, 2)
        elif index == 1:
            button.frame(5, 5, 14, 14, INK)
            button.rect(5, 6, 14, 6, INK)
        elif index == 2:
            button.rect(5, 13, 14, 14, INK)
        else:
            button.frame(8, 4, 15, 11, INK)
            button.rect(4, 8, 11, 15, grey)
            button.frame(4, 8, 11, 15, INK)
            button.rect(4, 9, 11, 9, INK)
        strip.paste(button, 20 * index, 0)
    return strip


def about_button():
    image = Canvas(90, 53, (60, 100, 170))
    for y in range(53):
        shade = 60 + y * 2
        image.rect(0, y, 89, y, (shade // 2, shade, min(255, shade + 90)))
    image.frame(0, 0, 89, 52, (20, 40, 90))
    image.disc(33, 26.5, 14, WHITE, 8)
    image.rect(52, 12, 57, 40, WHITE)
    image.polygon([(57, 24), (70, 12), (77, 12), (62, 27), (57, 31)], WHITE)
    image.polygon([(60, 25), (66, 22), (78, 41), (71, 41)], WHITE)
    return image


def program_icon():
    icon = Canvas(32, 32, (216, 233, 236))
    for left in (2, 17):
        icon.rect(left, 3, left + 12, 28, WHITE)
        icon.frame(left, 3, left + 12, 28, INK)
        for row, colour in enumerate([(150, 150, 150), (200, 40, 40), (150, 150, 150),
                                      (40, 90, 190), (150, 150, 150), (150, 150, 150)]):
            y = 6 + row * 4
            icon.rect(left + 2, y, left + 10, y + 1, colour)
    icon.rect(4, 10, 12, 11, (255, 255, 225))
    icon.rect(19, 10, 27, 11, (200, 40, 40))
    return icon


def main():
    folder = Path(sys.argv[1])
    folder.mkdir(parents=True, exist_ok=True)
    images = {"TANDEM_IL": marker(), "TANDEM_TBBMP5000": toolbar_strip(),
              "LIST": caption_buttons(), "ABOUT_IL": about_button(), "MAINICON": program_icon()}
    for name, image in images.items():
        image.save(folder / f"{name}.png")


if __name__ == "__main__":
    main()
