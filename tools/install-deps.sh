#!/usr/bin/env bash
# Installs the Debian packages that building Quarnix needs and this machine lacks.
# With --tests it adds what the test suites need (wine runs the generated batch
# files for real). Run as root; it does nothing when all is there.
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev libgl-dev fonts-liberation2 fonts-dejavu-core)
if [[ "${1:-}" == "--tests" ]]; then
    packages+=(wine)
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
