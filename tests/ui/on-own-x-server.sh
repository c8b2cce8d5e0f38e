#!/usr/bin/env bash
# Runs one test program on an X server of its own (Xvfb), started here and stopped
# when the program ends. The server picks a free display itself and reports it once
# it takes connections, so parallel runs never meet.
set -euo pipefail

# Under AddressSanitizer with strict string checks, as the sanitizer run sets them,
# the X keyboard library that Qt's X11 platform loads is reported for handing
# strndup a name that fills its buffer to the last byte without a closing NUL,
# which strndup allows. Reports from inside that library alone are set aside.
if [[ -n "${ASAN_OPTIONS:-}" ]]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:suppressions=$(cd "$(dirname "$0")" && pwd)/xkbcommon-x11.supp"
fi

exec {displays}< <(exec Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp)
server=$!
trap 'kill "$server" 2>/dev/null || true' EXIT
read -r -u "$displays" display || { echo "The X server did not start" >&2; exit 1; }
DISPLAY=":$display" "$@"
