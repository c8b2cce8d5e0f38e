#!/usr/bin/env bash
# Builds Qt for 64-bit Windows from Debian's own Qt source, with Debian's MinGW-w64
# and Debian's Qt host tools (moc, rcc, uic), and installs it into PREFIX.
# Usage: build-qt.sh SOURCE_FOLDER PREFIX
#
# Only what Quarnix and its tests load is built: Core, Gui, Widgets, Test, the
# windows platform plugin and the Vista style. The build.sh next to this file
# names the cache after a hash of this file and the toolchain file, so any change
# here builds Qt again.
set -euo pipefail

source_dir=${1:?source folder}
prefix=${2:?install prefix}
here=$(cd "$(dirname "$0")" && pwd)
toolchain=$here/../../cmake/mingw-w64.cmake

build_dir=$(mktemp -d "${TMPDIR:-/tmp}/quarnix-qt-build.XXXXXX")
trap 'rm -rf -- "${build_dir:?}"' EXIT

# Debian's source leaves out src/3rdparty/wintab, which the platform plugin's
# tablet support includes; Quarnix takes no tablet input.
# DirectWrite's font database needs Direct2D in 6.4, so only its 1.1 paint engine
# is left out. Fonts are the system's (GDI and DirectWrite), not FreeType's.
cd "$build_dir"
QT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
"$source_dir/configure" -prefix "$prefix" -xplatform win32-g++ -qt-host-path /usr \
    -release -shared -nomake examples -nomake tests \
    -no-dbus -no-icu -no-opengl -no-freetype -no-harfbuzz \
    -qt-zlib -qt-pcre -qt-libpng -no-feature-jpeg \
    -no-feature-sql -no-feature-network -no-feature-concurrent -no-feature-xml \
    -no-feature-printsupport -no-feature-vulkan -no-feature-direct2d1_1 \
    -no-feature-tabletevent \
    -- -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
cmake --build . --parallel
cmake --install .
