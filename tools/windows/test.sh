#!/usr/bin/env bash
# Runs the Windows build's test suites under wine, after building what changed:
#
#   tools/windows/test.sh [CTEST_ARGUMENTS...]
#
# The first run builds everything through build.sh (Qt from its cache); later runs
# rebuild build-windows/ only. Extra arguments go to ctest, e.g. -R engine.
set -euo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
if [[ -f $top/build-windows/build.ninja ]]; then
    cmake --build "$top/build-windows"
else
    "$top/tools/windows/build.sh"
fi
ctest --test-dir "$top/build-windows" --output-on-failure -j2 "$@"
