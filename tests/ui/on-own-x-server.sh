#!/bin/sh
# Runs one test program on an X server of its own (Xvfb), started here and stopped
# when the program ends. The server picks a free display itself and reports it once
# it takes connections, so parallel runs never meet.
set -eu

# Under AddressSanitizer with strict string checks, as the sanitizer run sets them,
# the X keyboard library that Qt's X11 platform loads is reported for handing
# strndup a name that fills its buffer to the last byte without a closing NUL,
# which strndup allows. Reports from inside that library alone are set aside.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    ASAN_OPTIONS="$ASAN_OPTIONS:suppressions=$(cd "$(dirname "$0")" && pwd)/xkbcommon-x11.supp"
    export ASAN_OPTIONS
fi

scratch=$(mktemp -d)
server=""
stop() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "${scratch:?}"
}
trap stop EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/log" &
server=$!

waited=0
while [ ! -s "$scratch/display" ]; do
    if ! kill -0 "$server" 2>/dev/null || [ "$waited" -ge 300 ]; then
        echo "The X server did not start:" >&2
        cat "$scratch/log" >&2
        exit 1
    fi
    sleep 0.1
    waited=$((waited + 1))
done

DISPLAY=":$(head -n 1 "$scratch/display")" "$@"
