#!/usr/bin/env bash
# Builds the Debian package from the build folder as `--target package` does and
# checks it as Debian's own tools and a user's desktop would: its files and their
# modes, its control fields and dependencies, the desktop entry, the software
# centre's metadata, the manual page, lintian, one version number throughout, and
# that the program starts from the menu entry's command.
#
# Usage: check-deb.sh BUILD_FOLDER VERSION CPACK; tools/install-deps.sh --tests installs
# the tools it runs.
set -euo pipefail

build=${1:?build folder}
version=${2:?project version}
cpack=${3:?cpack command}

failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}
# expect WHAT EXPECTED ACTUAL
expect() { [[ "$2" == "$3" ]] || fail "$1: expected [$2], got [$3]"; }

scratch=$(mktemp -d)
trap 'rm -rf -- "${scratch:?}"' EXIT

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; echo "FAIL: cpack could not build the package"; exit 1; }
deb="$scratch/out/quarnix_${version}_$(dpkg --print-architecture).deb"
[[ -f "$deb" ]] || { ls "$scratch/out"; echo "FAIL: no $(basename "$deb")"; exit 1; }
echo "built $(basename "$deb"), $(stat -c %s "$deb") bytes"

echo "== dependencies"
# The fields cpack writes from the project are what the build says; lintian checks
# that those Debian asks for are there.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The Qt libraries come from dpkg-shlibdeps, each with the version the program
# needs at the least; the font is named by the package.
for package in fonts-liberation2 'libqt6core6 (>= ' 'libqt6gui6 (>= ' 'libqt6widgets6 (>= ' 'libc6 (>= '; do
    [[ ", $depends" == *", $package"* ]] || fail "Depends names no ${package% (>= }"
done
[[ "$depends" != *libasan* && "$depends" != *libubsan* ]] || fail "Depends names a sanitizer runtime"

echo "== files"
# Mode, owner and path of every file, sorted by path; lintian checks the folders'.
listing=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $2, $6 }' | sort -k 3)
expected_listing="-rwxr-xr-x root/root ./usr/bin/quarnix
-rw-r--r-- root/root ./usr/share/applications/quarnix.desktop
-rw-r--r-- root/root ./usr/share/doc/quarnix/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/quarnix/copyright
-rw-r--r-- root/root ./usr/share/icons/hicolor/16x16/apps/quarnix.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/32x32/apps/quarnix.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/48x48/apps/quarnix.png
-rw-r--r-- root/root ./usr/share/icons/hicolor/scalable/apps/quarnix.svg
-rw-r--r-- root/root ./usr/share/man/man1/quarnix.1.gz
-rw-r--r-- root/root ./usr/share/metainfo/org.example.quarnix.metainfo.xml"
if [[ "$listing" != "$expected_listing" ]]; then
    fail "the package's files differ from the expected layout:"
    diff <(echo "$expected_listing") <(echo "$listing") || true
fi

root="$scratch/root"
dpkg-deb -x "$deb" "$root"
share="$root/usr/share"

echo "== desktop entry and metadata"
desktop="$share/applications/quarnix.desktop"
metainfo="$share/metainfo/org.example.quarnix.metainfo.xml"
desktop-file-validate "$desktop" || fail "desktop-file-validate reports the above"
appstreamcli validate --no-net --strict --pedantic "$metainfo" || fail "appstreamcli reports the above"
desktop_value() { sed -n "s/^$1=//p" "$desktop"; }
expect "the desktop entry's Icon" quarnix "$(desktop_value Icon)"
expect "the metainfo's launchable" quarnix.desktop \
    "$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")"
categories=$(sed -n 's|.*<category>\(.*\)</category>.*|\1;|p' "$metainfo" | tr -d '\n')
expect "the metainfo's categories against the desktop entry's" "$(desktop_value Categories)" "$categories"
expect "the metainfo's newest release" "$version" \
    "$(grep -m 1 -o '<release version="[^"]*"' "$metainfo" | cut -d '"' -f 2)"

echo "== manual page"
page="$scratch/quarnix.1"
gzip -dc "$share/man/man1/quarnix.1.gz" >"$page"
mandoc -T lint -W warning "$page" || fail "mandoc reports the above"
rendered=$(LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" 2>/dev/null)
[[ "$rendered" == *"Quarnix $version"* ]] || fail "the manual page's footer does not name Quarnix $version"
for section in NAME SYNOPSIS DESCRIPTION FILES "JOINING THE PIECES" HELP; do
    grep -qx "$section" <<<"$rendered" || fail "the manual page has no $section section"
done
# shellcheck disable=SC2016 # the command as the page shows it, unexpanded
grep -qF 'for i in $(seq 1 3); do cat "reportdoc.$i"; done > "report.doc"' <<<"$rendered" \
    || fail "the manual page does not show the join with seq"

echo "== one version number"
# The application object's version, a UTF-16 literal in the program.
strings -el "$root/usr/bin/quarnix" | grep -qx "$version" || fail "the program does not carry the version $version"
expect "the changelog's newest entry" "quarnix ($version) stable; urgency=medium" \
    "$(gzip -dc "$share/doc/quarnix/changelog.gz" | head -n 1)"

echo "== lintian"
# Every tag down to the pedantic ones is shown; errors and warnings fail.
lintian --display-info --pedantic --fail-on error,warning "$deb" 2>/dev/null \
    || fail 'lintian reports errors or warnings'

echo "== the program starts from the menu entry"
# Still running after three seconds means it came up and waits for the user.
exec_line=$(desktop_value Exec)
set +e
# shellcheck disable=SC2086 # the Exec line is a command with its arguments
(cd "$scratch" && PATH="$root/usr/bin:/usr/bin:/bin" QT_QPA_PLATFORM=offscreen timeout 3 $exec_line \
    >"$scratch/run.log" 2>&1)
status=$?
set -e
[[ $status -eq 124 ]] || { cat "$scratch/run.log"; fail "'$exec_line' ended with status $status within three seconds"; }

if ((failures > 0)); then
    echo "$failures check(s) failed"
    exit 1
fi
echo "package: all checks passed"
