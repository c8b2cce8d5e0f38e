#!/usr/bin/env python3
"""The committed pictures are what tools/draw-images.py draws, byte for byte.

Usage: check-images.py SOURCE_FOLDER
"""

import pathlib
import subprocess
import sys
import tempfile


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


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
    print("images: all", len(written), "match the drawing script")


if __name__ == "__main__":
    main()
