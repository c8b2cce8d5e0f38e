#!/usr/bin/env bash
# Renders the four windows to docs/images/*.png on the offscreen platform.
# Run from the top folder after a build into build/: tools/render-windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target quarnix-screenshots
QT_QPA_PLATFORM=offscreen build/tools/quarnix-screenshots docs/images
ls -l docs/images
