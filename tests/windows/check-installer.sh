#!/usr/bin/env bash
# The Windows installer as a user meets it, under wine in a prefix of its own: a
# silent install puts the program, every DLL and plugin it loads and a Start-menu
# entry in place; the installed program carries its version resource and opens its
# main window, where a split made through the window and the system's open-file
# dialog ends in "Done" with chunks that cmd joins again; the silent uninstall leaves
# nothing of it behind. The installer is made afresh from the build folder first, as
# tools/windows/build.sh makes it.
#   check-installer.sh BUILD_FOLDER VERSION CPACK
set -euo pipefail

build=${1:?usage: check-installer.sh BUILD_FOLDER VERSION CPACK}
(cd "$build" && "${3:?}" -G NSIS -C Release >/dev/null)
installer=$(realpath "$build/quarnix-${2:?}-win64.exe")
work=$(mktemp -d "${TMPDIR:-/tmp}/quarnix-installer.XXXXXX")
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
unset DISPLAY
cleanup() {
    wineserver --kill 2>/dev/null || true
    [[ -z ${xvfb:-} ]] || kill "$xvfb" 2>/dev/null || true
    rm -rf -- "${work:?}"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

wineboot --init >"$work/wine.log" 2>&1
wine "$installer" /S >>"$work/wine.log" 2>&1
wineserver --wait
folder="$WINEPREFIX/drive_c/Program Files/Quarnix"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Quarnix"
expected="Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Uninstall.exe libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll
platforms/qwindows.dll quarnix.exe styles/qwindowsvistastyle.dll"
installed=$(cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort | tr '\n' ' ')
[[ $installed == "$(echo $expected) " ]] || fail "installed: $installed"
[[ -f $menu/Quarnix.lnk ]] || fail "no Start-menu entry"

# The version resource, as Windows shows it in the file's properties.
resource=$(x86_64-w64-mingw32-windres -i "$folder/quarnix.exe" -O rc)
# The version comes from the project's; the product name shows the string table is
# there. The other lines stand in the .rc file as they are.
for line in 'FILEVERSION 2, 0, 0, 0' 'VALUE "FileVersion", "2.00"' 'VALUE "ProductName", "Quarnix"'; do
    grep -qF "$line" <<<"$resource" || fail "version resource without: $line"
done

# Started from its Start-menu folder's target, it shows the main window on an X
# server of this check's own.
exec 3< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null & echo "pid $!")
read -r _ xvfb <&3
read -r display <&3
export DISPLAY=:$display
wine "C:\\Program Files\\Quarnix\\quarnix.exe" >>"$work/wine.log" 2>&1 &
window() { # TITLE [gone]: the window's id once it is shown, or nothing once it is gone (within 30 s)
    for _ in $(seq 1 300); do
        found=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 || true)
        [[ -n ${2:-} || -z $found ]] || { echo "$found" && return; }
        [[ -z ${2:-} || -n $found ]] || return 0
        sleep 0.1
    done
    fail "window \"$1\" not ${2:-shown}"
}
main=$(window Quarnix)

# A split as a user makes one: the source's browse button (at its place in the
# form), its name typed into the system's open-file dialog, Split, OK on "Done".
mkdir "$work/files"
head -c 3000000 /dev/urandom >"$work/files/report.doc"
xdotool mousemove --window "$main" 416 29 click 1
window 'Select file to split\.\.\.' >/dev/null
xdotool type --delay 10 "Z:${work//\//\\}\\files\\report.doc"
xdotool key Return
window 'Select file to split\.\.\.' gone
xdotool mousemove --window "$main" 72 148 click 1
window Done >/dev/null
xdotool key Return
window Done gone
wineserver --kill
wineserver --wait
chunks=$(cd "$work/files" && ls | tr '\n' ' ')
[[ $chunks == "report.doc reportdoc.1 reportdoc.2 reportdoc.3 reportdoc.bat " ]] || fail "split into: $chunks"
mv "$work/files/report.doc" "$work/report.doc"
(cd "$work/files" && wine cmd /c reportdoc.bat >/dev/null 2>&1)
[[ $(cd "$work/files" && ls) == report.doc ]] || fail "the batch file left: $(ls "$work/files")"
cmp -s "$work/files/report.doc" "$work/report.doc" || fail "the chunks do not join into the source"

# The uninstaller copies itself aside and runs from there; the server's end is its end.
unset DISPLAY
wine "C:\\Program Files\\Quarnix\\Uninstall.exe" /S >>"$work/wine.log" 2>&1
wineserver --wait
[[ ! -e $folder ]] || fail "left behind: $(cd "$folder" && find . | tr '\n' ' ')"
[[ ! -e $menu ]] || fail "Start-menu entries left behind"
if wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quarnix' >/dev/null 2>&1; then
    fail "uninstall entry left in the registry"
fi
echo "installed, started and removed: $(basename "$installer")"
