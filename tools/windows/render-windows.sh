#!/usr/bin/env bash
# Renders the four windows of the Windows build to docs/images/windows/, as Windows
# draws them: under wine, on its windows platform and its fonts, on an X server of
# this script's own. Run after tools/windows/build.sh.
set -euo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
tool=$top/build-windows/tools/quarnix-screenshots.exe
[[ -f $tool ]] || { echo "build it first: tools/windows/build.sh" >&2; exit 1; }
work=$(mktemp -d "${TMPDIR:-/tmp}/quarnix-render.XXXXXX")
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
cleanup() {
    wineserver --kill 2>/dev/null || true
    [[ -z ${xvfb:-} ]] || kill "$xvfb" 2>/dev/null || true
    rm -rf -- "${work:?}"
}
trap cleanup EXIT

# The DLLs come from where the build found them (CMake's cache knows Qt's folder).
qt_bin=$(sed -n 's|^Qt6Core_DIR:PATH=\(.*\)/lib/cmake/Qt6Core$|\1/bin|p' "$top/build-windows/CMakeCache.txt")
runtime=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libstdc++-6.dll)")
pthread=$(dirname "$(x86_64-w64-mingw32-g++-posix -print-file-name=libwinpthread-1.dll)")
export WINEPATH="Z:$qt_bin;Z:$runtime;Z:$pthread"

exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r _ xvfb <&3
read -r display <&3
export DISPLAY=:$display
wineboot --init >/dev/null 2>&1
mkdir -p "$top/docs/images/windows"
wine "$tool" "Z:${top//\//\\}\\docs\\images\\windows" -platform windows
ls -l "$top/docs/images/windows"
