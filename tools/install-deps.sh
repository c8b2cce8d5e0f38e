#!/usr/bin/env bash
# Installs the Debian packages that building Quarnix and its .deb need and this
# machine lacks. With --tests it adds what the test suites need (wine runs the
# generated batch files for real, in a US and a Western European locale, whose
# code pages it reads them in; Debian's own tools check the package, its desktop
# metadata and its manual page, and librsvg draws the scalable icon as the
# desktops do; an X server and xprop read back the window manager hints the
# windows set; a session bus with the accessibility bus and its registry, and
# Python's D-Bus binding, read back what a screen reader gets from the windows;
# losetup and the ext2/ext4 formatters make the disks on loop devices that the
# split job writes floppies on).
# With --windows it adds what tools/windows/ needs to build Quarnix and its
# installer for Windows from Debian's Qt source, and to test them under wine
# (xdotool drives the installed program's window as a user does).
# Run as root; it does nothing when all is there.
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev libgl-dev fonts-liberation2 fonts-dejavu-core
    dpkg-dev file)
if [[ "${1:-}" == "--tests" || "${1:-}" == "--windows" ]]; then
    packages+=(wine locales xvfb x11-utils)
fi
if [[ "${1:-}" == "--windows" ]]; then
    # dpkg-dev (above) unpacks Qt's source package; perl runs its header generator.
    packages+=(g++-mingw-w64-x86-64-posix nsis xz-utils perl xdotool)
fi
if [[ "${1:-}" == "--tests" ]]; then
    packages+=(lintian appstream desktop-file-utils man-db groff-base mandoc python3 librsvg2-bin)
    packages+=(dbus-daemon dbus-bin at-spi2-core python3-dbus)
    packages+=(mount e2fsprogs)
    # CI checks that every C++ file is as clang-format writes it.
    packages+=(clang-format)
fi

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if ((${#missing[@]} > 0)); then
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# wine reads batch files in code page 437 under en_US.UTF-8, in 850 under
# de_DE.UTF-8 and in 866 under ru_RU.UTF-8; the batch file suites run them under
# each (the Windows build writes them in the machine's own code page).
if [[ "${1:-}" == "--tests" || "${1:-}" == "--windows" ]]; then
    wanted=(en_US.UTF-8 de_DE.UTF-8 ru_RU.UTF-8)
    generate=()
    for locale in "${wanted[@]}"; do
        if ! locale -a 2>/dev/null | grep -qix "${locale/UTF-8/utf8}"; then
            generate+=("$locale")
        fi
    done
    if ((${#generate[@]} > 0)); then
        echo "Generating locales: ${generate[*]}"
        for locale in "${generate[@]}"; do
            grep -qx "$locale UTF-8" /etc/locale.gen || echo "$locale UTF-8" >>/etc/locale.gen
        done
        locale-gen
    fi
fi
