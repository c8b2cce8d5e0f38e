#!/usr/bin/env bash
# Builds Quarnix for 64-bit Windows and its installer, on Debian 12, as root:
#
#   tools/windows/build.sh
#
# Installs what the machine lacks (MinGW-w64, NSIS, wine), builds Qt for Windows
# once from Debian's own Qt source into a cache, cross-builds Quarnix into
# build-windows/ and makes build-windows/quarnix-<version>-win64.exe.
#
# The cache is ${XDG_CACHE_HOME:-$HOME/.cache}/quarnix/qt-<Debian's Qt version>-
# win64-<hash>, where the hash is of the recipe (build-qt.sh and the toolchain
# file): Qt is built again only when the cache is missing or the recipe changed.
# Its host tools (moc, rcc, uic) are Debian's own, so the source is fetched at the
# version of the installed qt6-base-dev. The machine's apt sources stay as they are.
set -euo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
here=$top/tools/windows
"$top/tools/install-deps.sh" --windows

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
recipe=$(cat "$here/build-qt.sh" "$top/cmake/mingw-w64.cmake" | sha256sum | cut -c1-12)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/quarnix
qt_prefix=$cache/qt-${qt_version//[:+~]/_}-win64-$recipe
mkdir -p "$cache"

build_qt() {
    local work
    work=$(mktemp -d "${TMPDIR:-/tmp}/quarnix-qt-source.XXXXXX")
    # shellcheck disable=SC2064 # the folder is known now and must go whatever happens later
    trap "rm -rf -- '${work:?}'" RETURN
    echo "Building Qt $qt_version for Windows into $qt_prefix (about 25 minutes on 2 cores)"
    mkdir -p "$work/lists/partial" "$work/sources.d"
    cat >"$work/sources.d/debian-source.sources" <<EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
    local apt_options=(-o "Dir::Etc::SourceParts=$work/sources.d" -o Dir::Etc::SourceList=/dev/null
        -o "Dir::State::Lists=$work/lists")
    apt-get "${apt_options[@]}" update -qq
    (cd "$work" && apt-get "${apt_options[@]}" source --download-only -qq "qt6-base=$qt_version")
    dpkg-source -x --no-check "$work"/qt6-base_*.dsc "$work/source" >/dev/null
    rm -rf -- "${qt_prefix:?}.partial"
    "$here/build-qt.sh" "$work/source" "$qt_prefix.partial"
    mv -- "$qt_prefix.partial" "$qt_prefix"
}

# One Qt build at a time, also between two checkouts on the same machine.
exec 9>"$cache/.lock"
flock 9
if [[ ! -d $qt_prefix ]]; then
    build_qt
    # Builds of an older recipe or Qt version are of no further use.
    for old in "$cache"/qt-*-win64-*; do
        [[ $old == "$qt_prefix" ]] || rm -rf -- "${old:?}"
    done
fi
flock -u 9

build=$top/build-windows
cmake -S "$top" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$top/cmake/mingw-w64.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v wine)"
cmake --build "$build"
(cd "$build" && cpack -G NSIS -C Release)
ls -l "$build"/quarnix-*-win64.exe
