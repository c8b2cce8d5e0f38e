#!/usr/bin/env bash
# Renders the four windows to docs/images/ on the offscreen platform, at the scale
# factors 1 (NAME.png), 1.5, 2 and 3 (NAME@1.5x.png, NAME@2x.png, NAME@3x.png).
# Run from the top folder after a build into build/: tools/render-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target quarnix-screenshots
for scale in 1 1.5 2 3; do
    suffix=""
    [[ "$scale" == 1 ]] || suffix="@${scale}x"
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale build/tools/quarnix-screenshots docs/images "$suffix"
done
ls -l docs/images
