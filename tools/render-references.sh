#!/usr/bin/env bash
# Draws the reference pictures of the window suite (tests/ui/pictures/) again, at
# scale factors 1 and 2, through the suite itself and so in its fonts, style and
# folders. Run from the top folder after a build into build/, then look at what
# changed before committing it: tools/render-references.sh
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target ui_pictures
QUARNIX_RENDER_REFERENCES=1 ctest --test-dir build -R '^ui_pictures' --output-on-failure
git status --short tests/ui/pictures
