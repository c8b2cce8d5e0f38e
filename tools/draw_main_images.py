#!/usr/bin/env python3
"""Draws the main window's images into src/ui/layout/images/.

The program icon (16, 32 and 48 pixels), the drop target's document picture
(32 and 16 pixels) and the icon-shaped pointer shown over the drop target.
Only the standard library is used, so the images can be redrawn on any machine
with Python 3: run it from anywhere and commit the PNG files it writes.
"""

import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "src", "ui", "layout", "images")


class Canvas:
    """RGBA pixels, with the few drawing operations the images need."""

    def __init__(self, size):
        self.size = size
        self.px = [[(0, 0, 0, 0)] * size for _ in range(size)]

    def put(self, x, y, colour):
        if 0 <= x < self.size and 0 <= y < self.size:
            self.px[y][x] = colour if len(colour) == 4 else colour + (255,)

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the pixels x0..x1, y0..y1 (both inclusive)."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.rect(x0, y0, x1, y0, colour)
        self.rect(x0, y1, x1, y1, colour)
        self.rect(x0, y0, x0, y1, colour)
        self.rect(x1, y0, x1, y1, colour)

    def png(self):
        raw = b"".join(
            b"\x00" + b"".join(struct.pack("BBBB", *p) for p in row) for row in self.px
        )

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", self.size, self.size, 8, 6, 0, 0, 0)
        return (
            b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b"")
        )


def shade(colour, factor):
    return tuple(max(0, min(255, round(c * factor))) for c in colour)


def program_icon(size):
    """Three slices of one block, pulled apart and staggered: a file cut into chunks.

    Each size has its own pixel grid, so every edge falls on whole pixels and the
    16-pixel image stays sharp.
    """
    # left, top, width, height of the first slice; horizontal and vertical step.
    layout = {16: (1, 1, 10, 4, 2, 5), 32: (2, 2, 20, 8, 4, 10), 48: (3, 3, 30, 12, 6, 15)}
    left0, top0, width, height, dx, dy = layout[size]
    line = 1 if size < 48 else 2
    colours = [(38, 99, 181), (32, 140, 170), (40, 168, 120)]
    outline = (22, 40, 74)
    cut = (200, 60, 50)
    icon = Canvas(size)
    for k, colour in enumerate(colours):
        left, top = left0 + dx * k, top0 + dy * k
        right, bottom = left + width - 1, top + height - 1
        icon.rect(left, top, right, bottom, outline)
        icon.rect(left + line, top + line, right - line, bottom - line, colour)
        icon.rect(left + line, top + line, right - line, top + line + (height - 2 * line) // 3 - 1,
                  shade(colour, 1.35))
        if size > 16:
            icon.rect(left + line, bottom - line - (height - 2 * line) // 4 + 1, right - line,
                      bottom - line, shade(colour, 0.8))
        if k < 2:
            # The cut between this slice and the next, dashed across the gap.
            gap_top, gap_bottom = bottom + 1, top + dy - 1
            y = (gap_top + gap_bottom) // 2
            dash = max(2, size // 12)
            for x in range(0, size, 2 * dash):
                icon.rect(x, y, min(size - 1, x + dash - 1), y + (1 if size == 48 else 0), cut)
    return icon


def document_picture(size):
    """A sheet of paper with a folded corner and lines of text.

    The drop target shows the 32-pixel picture unscaled in a box 23 pixels high,
    so the sheet sits in the picture's upper part and is never cut off.
    """
    pic = Canvas(size)
    ink = (64, 64, 64)
    paper = (255, 255, 255)
    fold = (192, 192, 192)
    text = (0, 0, 128)
    if size == 32:
        left, top, right, bottom, corner, step = 7, 1, 23, 21, 5, 2
    else:
        left, top, right, bottom, corner, step = 2, 0, 13, 15, 4, 2
    pic.rect(left, top, right, bottom, paper)
    pic.rect(left, top, right - corner, top, ink)
    pic.rect(left, bottom, right, bottom, ink)
    pic.rect(left, top, left, bottom, ink)
    pic.rect(right, top + corner, right, bottom, ink)
    # The folded corner: cut away, then the fold drawn in.
    for i in range(corner):
        for j in range(corner - i - 1):
            pic.put(right - j, top + i, (0, 0, 0, 0))
    for i in range(corner + 1):
        pic.put(right - corner + i, top + i, ink)
    for i in range(1, corner):
        pic.rect(right - corner + 1, top + i, right - corner + i, top + i, fold)
    pic.rect(right - corner, top, right - corner, top + corner, ink)
    pic.rect(right - corner, top + corner, right, top + corner, ink)
    # Lines of text, shorter beside the fold and on the last line.
    y = top + corner + step if size == 32 else top + corner + 1
    first = True
    while y < bottom - 1:
        end = right - 2
        if y + step >= bottom - 1:
            end = left + (right - left) // 2
        pic.rect(left + 2, y, end, y, text)
        y += step
        first = False
    if size == 32:
        pic.rect(left + 2, top + 2, right - corner - 2, top + 2, text)
        pic.rect(left + 2, top + 4, right - corner - 2, top + 4, text)
    return pic


def icon_pointer():
    """The pointer over the drop target: a small square within a square.

    Black on white edges, so it shows on light and dark backgrounds alike; its hot
    spot is the centre (15, 15).
    """
    ptr = Canvas(32)
    black, white = (0, 0, 0), (255, 255, 255)
    ptr.frame(7, 7, 24, 24, white)
    ptr.frame(8, 8, 23, 23, black)
    ptr.frame(9, 9, 22, 22, white)
    ptr.rect(12, 12, 19, 19, white)
    ptr.rect(13, 13, 18, 18, black)
    return ptr


def main():
    os.makedirs(OUT, exist_ok=True)
    images = {
        "quarnix-16.png": program_icon(16),
        "quarnix-32.png": program_icon(32),
        "quarnix-48.png": program_icon(48),
        "document-32.png": document_picture(32),
        "document-16.png": document_picture(16),
        "icon-pointer.png": icon_pointer(),
    }
    for name, canvas in images.items():
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(canvas.png())
        print("wrote", os.path.normpath(os.path.join(OUT, name)))


if __name__ == "__main__":
    main()
