#!/usr/bin/env python3
"""Draws every picture of the four windows, and the program icon for the desktop.

    quarnix-16.png, quarnix-32.png, quarnix-48.png
                      the program icon, each size on a pixel grid of its own
    quarnix.svg       the same icon, scalable: the 48-pixel drawing's rectangles,
                      installed for the desktop's menus and software centre
    quarnix.ico       the same icon's three sizes for Windows, where it is the
                      program file's own icon (in Explorer and the Start menu)
    document-32.png   the drop target's picture: a sheet of paper
    icon-pointer.png  the pointer over the drop target
    folder-up.png     the folder picker's Up button: a folder with an arrow
    link-hand.png     the pointer over links: a pointing hand

Each PNG comes with NAME@2x.png and NAME@3x.png, the same picture drawn for
screens of two and three device pixels to the pixel, which Qt picks by those
names (on a screen of 1.5 it takes the @2x one and scales it down): rectangles and
the pixel maps' pixels become blocks of 2 x 2 and 3 x 3 pixels, and the slanting
edge of the document's folded corner is drawn again at the finer grid.

Only the standard library is used, so the images can be redrawn on any machine
with Python 3. Run it from anywhere and commit the files it writes.

Usage: tools/draw-images.py [output folder]
       (default: src/ui/layout/images beside this script's folder)
"""

import pathlib
import struct
import sys
import zlib

TRANSPARENT = (0, 0, 0, 0)


class Canvas:
    """Pixels, with the few drawing operations the images need.

    Drawn in the picture's own pixels, its logical size, and written at `scale`
    device pixels to each of them. With alpha the image is written as RGBA and
    starts transparent; without, as RGB, every pixel to be painted.
    """

    def __init__(self, width, height, alpha=True, scale=1):
        self.width = width
        self.height = height
        self.alpha = alpha
        self.scale = scale
        self.px = [[TRANSPARENT] * (width * scale) for _ in range(height * scale)]

    @classmethod
    def from_art(cls, art, colours, alpha, scale=1):
        """A pixel map: one character a pixel, `colours` naming each (None: transparent)."""
        canvas = cls(len(art[0]), len(art), alpha, scale)
        if any(len(line) != canvas.width for line in art):
            raise SystemExit(f"pixel map rows differ in length: {art!r}")
        for y, line in enumerate(art):
            for x, char in enumerate(line):
                colour = colours[char]
                canvas.put(x, y, TRANSPARENT if colour is None else colour)
        return canvas

    def put(self, x, y, colour):
        """Paints the picture's pixel (x, y): a block of scale x scale device pixels."""
        if 0 <= x < self.width and 0 <= y < self.height:
            for dy in range(y * self.scale, (y + 1) * self.scale):
                for dx in range(x * self.scale, (x + 1) * self.scale):
                    self.dot(dx, dy, colour)

    def dot(self, dx, dy, colour):
        """Paints one device pixel."""
        if self.alpha and len(colour) == 3:
            colour = colour + (255,)
        self.px[dy][dx] = colour

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
        raw = b"".join(b"\x00" + bytes(value for pixel in row for value in pixel) for row in self.px)

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        colour_type = 6 if self.alpha else 2
        header = struct.pack(">IIBBBBB", self.width * self.scale, self.height * self.scale, 8, colour_type, 0, 0, 0)
        return (
            b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b"")
        )


def shade(colour, factor):
    return tuple(max(0, min(255, round(c * factor))) for c in colour)


def program_icon_rects(size):
    """Three slices of one block, pulled apart and staggered: a file cut into chunks.

    Each size has its own pixel grid, so every edge falls on whole pixels and the
    16-pixel image stays sharp. Returns the rectangles (x0, y0, x1, y1 inclusive,
    colour) in painting order, so that the PNG and the SVG are one drawing.
    """
    # left, top, width, height of the first slice; horizontal and vertical step.
    layout = {16: (1, 1, 10, 4, 2, 5), 32: (2, 2, 20, 8, 4, 10), 48: (3, 3, 30, 12, 6, 15)}
    left0, top0, width, height, dx, dy = layout[size]
    line = 1 if size < 48 else 2
    colours = [(38, 99, 181), (32, 140, 170), (40, 168, 120)]
    outline = (22, 40, 74)
    cut = (200, 60, 50)
    rects = []
    for k, colour in enumerate(colours):
        left, top = left0 + dx * k, top0 + dy * k
        right, bottom = left + width - 1, top + height - 1
        rects.append((left, top, right, bottom, outline))
        rects.append((left + line, top + line, right - line, bottom - line, colour))
        rects.append((left + line, top + line, right - line, top + line + (height - 2 * line) // 3 - 1,
                      shade(colour, 1.35)))
        if size > 16:
            rects.append((left + line, bottom - line - (height - 2 * line) // 4 + 1, right - line,
                          bottom - line, shade(colour, 0.8)))
        if k < 2:
            # The cut between this slice and the next, dashed across the gap.
            gap_top, gap_bottom = bottom + 1, top + dy - 1
            y = (gap_top + gap_bottom) // 2
            dash = max(2, size // 12)
            for x in range(0, size, 2 * dash):
                rects.append((x, y, min(size - 1, x + dash - 1), y + (1 if size == 48 else 0), cut))
    return rects


def program_icon(size, scale=1):
    icon = Canvas(size, size, scale=scale)
    for x0, y0, x1, y1, colour in program_icon_rects(size):
        icon.rect(x0, y0, x1, y1, colour)
    return icon


def program_icon_svg():
    """The 48-pixel icon as scalable vector graphics, one <rect> per rectangle.

    Every edge of that drawing lies on a whole unit of the 48 x 48 view box, so
    the SVG drawn at 48 pixels gives the PNG's pixels exactly, and at any larger
    size the same picture with sharp edges.
    """
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" width="48" height="48" viewBox="0 0 48 48">',
        "  <title>Quarnix</title>",
    ]
    for x0, y0, x1, y1, colour in program_icon_rects(48):
        fill = "#{:02x}{:02x}{:02x}".format(*colour)
        lines.append(f'  <rect x="{x0}" y="{y0}" width="{x1 - x0 + 1}" height="{y1 - y0 + 1}" fill="{fill}"/>')
    lines.append("</svg>")
    return ("\n".join(lines) + "\n").encode("utf-8")


def document_picture(scale=1):
    """A sheet of paper with a folded corner and lines of text.

    The drop target shows the 32-pixel picture unscaled in a box 23 pixels high,
    so the sheet sits in the picture's upper part and is never cut off.
    """
    pic = Canvas(32, 32, scale=scale)
    ink = (64, 64, 64)
    paper = (255, 255, 255)
    fold = (192, 192, 192)
    text = (0, 0, 128)
    left, top, right, bottom, corner, step = 7, 1, 23, 21, 5, 2
    pic.rect(left, top, right, bottom, paper)
    pic.rect(left, top, right - corner, top, ink)
    pic.rect(left, bottom, right, bottom, ink)
    pic.rect(left, top, left, bottom, ink)
    pic.rect(right, top + corner, right, bottom, ink)
    # The folded corner: cut away, then the fold drawn in.
    for i in range(corner):
        for j in range(corner - i - 1):
            pic.put(right - j, top + i, TRANSPARENT)
    for i in range(corner + 1):
        pic.put(right - corner + i, top + i, ink)
    for i in range(1, corner):
        pic.rect(right - corner + 1, top + i, right - corner + i, top + i, fold)
    if scale > 1:
        fold_at_device_pixels(pic, right - corner, top, corner, paper, fold)
    pic.rect(right - corner, top, right - corner, top + corner, ink)
    pic.rect(right - corner, top + corner, right, top + corner, ink)
    # Lines of text, shorter on the last line and beside the fold.
    y = top + corner + step
    while y < bottom - 1:
        end = right - 2
        if y + step >= bottom - 1:
            end = left + (right - left) // 2
        pic.rect(left + 2, y, end, y, text)
        y += step
    pic.rect(left + 2, top + 2, right - corner - 2, top + 2, text)
    pic.rect(left + 2, top + 4, right - corner - 2, top + 4, text)
    return pic


def fold_at_device_pixels(pic, left, top, corner, paper, fold):
    """The folded corner's slanting edge, stepped by device pixels, not by blocks.

    In the square of the corner, measured in the picture's pixels from its top-left
    (u across, v down, at each device pixel's centre): the fold is grey where
    u <= v, its edge paper for one pixel beyond, and the cut-away corner clear
    after that. At one device pixel to the pixel this is the 1x drawing itself.
    """
    s = pic.scale
    for dy in range(top * s, (top + corner) * s):
        for dx in range(left * s, (left + corner + 1) * s):
            u = (dx + 0.5) / s - left
            v = (dy + 0.5) / s - top
            if u - v > 1:
                pic.dot(dx, dy, TRANSPARENT)
            elif u - v > 0:
                pic.dot(dx, dy, paper)
            elif u >= 1:
                pic.dot(dx, dy, fold)


def icon_pointer(scale=1):
    """The pointer over the drop target: a small square within a square.

    Black on white edges, so it shows on light and dark backgrounds alike; its hot
    spot is the centre (15, 15).
    """
    ptr = Canvas(32, 32, scale=scale)
    black, white = (0, 0, 0), (255, 255, 255)
    ptr.frame(7, 7, 24, 24, white)
    ptr.frame(8, 8, 23, 23, black)
    ptr.frame(9, 9, 22, 22, white)
    ptr.rect(12, 12, 19, 19, white)
    ptr.rect(13, 13, 18, 18, black)
    return ptr


# The folder picker's Up button: 17 x 15 pixels, opaque on the button face's light
# grey, as the button shows it.
FOLDER_UP_COLOURS = {
    ".": (192, 192, 192),
    "K": (0, 0, 0),  # arrow and outline
    "D": (128, 128, 0),  # the folder's shaded edge
    "Y": (255, 255, 0),  # the folder's face
    "W": (255, 255, 255),  # the light on its tab
}

FOLDER_UP = [
    ".................",
    "..........K......",
    ".........KKK.....",
    "........KKKKK....",
    ".......KKKKKKK...",
    "..KKKK....K......",
    ".KWYWYK...K......",
    "KWYWYWYKKKKKKKK..",
    "KYYYYYYYYYYYYYK..",
    "KYYYYYYYYYYYYYK..",
    "KYYYYYYYYYYYYYK..",
    "KYYYYYYYYYYYYYK..",
    "KYYYYYYYYYYYYYK..",
    "KDDDDDDDDDDDDDK..",
    "KKKKKKKKKKKKKKK..",
]

# The pointer over links: 32 x 32 pixels, black and white on transparent. The
# windows put its hot spot on the fingertip, the topmost black pixel, at x 12, y 9.
HAND_COLOURS = {
    ".": None,
    "K": (0, 0, 0),
    "o": (255, 255, 255),
}

HAND = [
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "................................",
    "............KK..................",
    "...........KooK.................",
    "...........KooK.................",
    "...........KooK.................",
    "...........KooK.................",
    "...........KooKKK...............",
    "...........KooKooKKK............",
    "...........KooKooKooKK..........",
    "........KK.KooKooKooKoK.........",
    "........KoKKooooooooKoK.........",
    "........KooKooooooooooK.........",
    ".........KoKooooooooooK.........",
    ".........KooooooooooooK.........",
    "..........KoooooooooooK.........",
    "..........KooooooooooK..........",
    "...........KoooooooooK..........",
    "...........KooooooooK...........",
    "............KooooooK............",
    "............KKKKKKKK............",
    "................................",
    "................................",
    "................................",
    "................................",
]


def folder_up(scale=1):
    if len(FOLDER_UP) != 15 or len(FOLDER_UP[0]) != 17:
        raise SystemExit("the Up button's picture must be 17 x 15 pixels")
    return Canvas.from_art(FOLDER_UP, FOLDER_UP_COLOURS, alpha=False, scale=scale)


def link_hand(scale=1):
    if len(HAND) != 32 or len(HAND[0]) != 32:
        raise SystemExit("the hand pointer must be 32 x 32 pixels")
    if HAND[9][12] != "K" or HAND[9][11] != "." or any("K" in line for line in HAND[:9]):
        raise SystemExit("the hand's fingertip must be the topmost pixel, at x 12, y 9")
    return Canvas.from_art(HAND, HAND_COLOURS, alpha=True, scale=scale)


def windows_icon(pngs):
    """An .ico file holding the PNG images as they are, as Windows reads them."""
    header = struct.pack("<HHH", 0, 1, len(pngs))
    entries, offset = b"", 6 + 16 * len(pngs)
    for size, data in pngs:
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    return header + entries + b"".join(data for _, data in pngs)


def main():
    default = pathlib.Path(__file__).resolve().parent.parent / "src" / "ui" / "layout" / "images"
    folder = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else default
    folder.mkdir(parents=True, exist_ok=True)
    pictures = {
        "quarnix-16": lambda scale: program_icon(16, scale),
        "quarnix-32": lambda scale: program_icon(32, scale),
        "quarnix-48": lambda scale: program_icon(48, scale),
        "document-32": document_picture,
        "icon-pointer": icon_pointer,
        "folder-up": folder_up,
        "link-hand": link_hand,
    }
    images = {"quarnix.svg": program_icon_svg()}
    for name, draw in pictures.items():
        images[f"{name}.png"] = draw(1).png()
        for scale in (2, 3):
            images[f"{name}@{scale}x.png"] = draw(scale).png()
    images["quarnix.ico"] = windows_icon([(size, images[f"quarnix-{size}.png"]) for size in (16, 32, 48)])
    for name, data in images.items():
        (folder / name).write_bytes(data)
        print("wrote", folder / name)


if __name__ == "__main__":
    main()
