#!/usr/bin/env python3
"""Draws the pictures of the folder picker and of the link labels.

    folder-up.png  the Up button's picture: a folder with an arrow pointing up,
                   17 x 15 pixels, 24-bit colour on light grey (192, 192, 192)
    link-hand.png  the pointer over links: a pointing hand, 32 x 32 pixels,
                   black and white on transparent; its fingertip is at x 12, y 9,
                   where the windows put the pointer's hot spot

The pictures are kept as pixel maps below, one character a pixel, so that a
change is a change of this script; run it again and commit both. Only the
standard library is used (zlib writes the PNG data).

Usage: tools/draw-secondary-images.py [output folder]
       (default: src/ui/layout/images beside this script's folder)
"""

import pathlib
import struct
import sys
import zlib

GREY = (192, 192, 192)

FOLDER_UP_COLOURS = {
    ".": GREY,
    "K": (0, 0, 0),  # arrow and outline
    "D": (128, 128, 0),  # the folder's shaded edge
    "Y": (255, 255, 0),  # the folder's face
    "W": (255, 255, 255),  # the light on its tab
}

# 17 columns, 15 rows.
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

HAND_COLOURS = {
    ".": None,  # transparent
    "K": (0, 0, 0),
    "o": (255, 255, 255),
}

# 32 columns, 32 rows; the topmost black pixel of the finger is the hot spot.
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


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)


def write_png(path, rows, colour_type):
    """rows: lists of pixel tuples; colour type 2 = RGB, 6 = RGBA."""
    height = len(rows)
    width = len(rows[0])
    raw = b"".join(b"\x00" + bytes(value for pixel in row for value in pixel) for row in rows)
    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    data = b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
    data += png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b"")
    path.write_bytes(data)


def pixels(art, colours, width, height, alpha):
    if len(art) != height or any(len(line) != width for line in art):
        raise SystemExit(f"pixel map is not {width} x {height}")
    rows = []
    for line in art:
        row = []
        for char in line:
            colour = colours[char]
            if alpha:
                row.append((0, 0, 0, 0) if colour is None else colour + (255,))
            else:
                row.append(colour)
        rows.append(row)
    return rows


def main():
    default = pathlib.Path(__file__).resolve().parent.parent / "src" / "ui" / "layout" / "images"
    folder = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else default
    folder.mkdir(parents=True, exist_ok=True)
    if HAND[9][12] != "K" or HAND[9][11] != "." or any("K" in line for line in HAND[:9]):
        raise SystemExit("the hand's fingertip must be the topmost pixel, at x 12, y 9")
    write_png(folder / "folder-up.png", pixels(FOLDER_UP, FOLDER_UP_COLOURS, 17, 15, False), 2)
    write_png(folder / "link-hand.png", pixels(HAND, HAND_COLOURS, 32, 32, True), 6)


if __name__ == "__main__":
    main()
