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
    # The picker's folders in a tmpfs at /mnt of the tool's own mount namespace: the
    # same names on every run and machine, not a temporary folder's.
    QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=$scale unshare --user --map-root-user --mount \
        sh -c 'mount -t tmpfs samples /mnt && exec "$@"' sh build/tools/quarnix-screenshots docs/images "$suffix" /mnt
done
ls -l docs/images
