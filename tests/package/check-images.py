#!/usr/bin/env python3
"""The committed pictures are what tools/draw-images.py draws, and the scalable
program icon is the same picture as the 48-pixel one.

The SVG is drawn by librsvg, the renderer the desktops draw icon themes with:
at 48 and 96 pixels every pixel must equal the 48-pixel PNG's (at 96, in blocks
of two by two).

Usage: check-images.py SOURCE_FOLDER
"""

import pathlib
import subprocess
import sys
import tempfile
import zlib


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    if pa <= pb and pa <= pc:
        return a
    return b if pb <= pc else c


def read_png(path):
    """Rows of RGBA tuples of an 8-bit RGB or RGBA PNG, not interlaced."""
    data = path.read_bytes()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        fail(f"{path} is not a PNG file")
    pos, idat = 8, b""
    while pos < len(data):
        length = int.from_bytes(data[pos:pos + 4], "big")
        kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height = int.from_bytes(body[0:4], "big"), int.from_bytes(body[4:8], "big")
            depth, colour_type, interlace = body[8], body[9], body[12]
            if depth != 8 or colour_type not in (2, 6) or interlace:
                fail(f"{path}: only 8-bit RGB or RGBA without interlace is read here")
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    channels = 4 if colour_type == 6 else 3
    stride = width * channels
    raw = zlib.decompress(idat)
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            upper_left = previous[i - channels] if i >= channels else 0
            predictor = [0, left, up, (left + up) // 2, paeth(left, up, upper_left)][kind]
            line[i] = (line[i] + predictor) & 0xFF
        rows.append([tuple(line[x * channels:(x + 1) * channels]) + ((255,) if channels == 3 else ())
                     for x in range(width)])
        previous = line
    return rows


def main():
    source = pathlib.Path(sys.argv[1])
    images = source / "src" / "ui" / "layout" / "images"
    with tempfile.TemporaryDirectory() as scratch:
        drawn = pathlib.Path(scratch) / "drawn"
        subprocess.run([sys.executable, str(source / "tools" / "draw-images.py"), str(drawn)],
                       check=True, stdout=subprocess.DEVNULL)
        committed = sorted(p.name for p in images.iterdir())
        written = sorted(p.name for p in drawn.iterdir())
        if committed != written:
            fail(f"the images folder holds {committed}, the script draws {written}")
        for name in written:
            if (drawn / name).read_bytes() != (images / name).read_bytes():
                fail(f"{name} differs from what tools/draw-images.py draws: run it and commit")

        icon = read_png(images / "quarnix-48.png")
        for size in (48, 96):
            rendered = pathlib.Path(scratch) / f"svg-{size}.png"
            subprocess.run(["rsvg-convert", "--width", str(size), "--height", str(size),
                            "--output", str(rendered), str(images / "quarnix.svg")], check=True)
            pixels = read_png(rendered)
            if len(pixels) != size or len(pixels[0]) != size:
                fail(f"the SVG drawn at {size} pixels is {len(pixels[0])} x {len(pixels)}")
            scale = size // 48
            for y in range(size):
                for x in range(size):
                    want = icon[y // scale][x // scale]
                    if pixels[y][x] != want:
                        fail(f"the SVG drawn at {size} pixels has {pixels[y][x]} at ({x}, {y}), "
                             f"the 48-pixel icon {want}")
    print("images: all", len(written), "match the drawing script; the SVG matches the 48-pixel icon")


if __name__ == "__main__":
    main()
