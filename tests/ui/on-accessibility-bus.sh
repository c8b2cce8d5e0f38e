#!/bin/sh
# Runs one test program as it runs beside a screen reader: on an X server of its
# own (on-own-x-server.sh), with a session bus of its own on which the
# accessibility bus is started first (asking for its address starts it, as a
# desktop session does), and with Qt's AT-SPI bridge switched on as a screen
# reader would switch it on. The registry starts on the accessibility bus when it
# is first asked for. Every process started for the program ends with the session
# bus when the program ends.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
runtime=$(mktemp -d)
trap 'rm -rf "${runtime:?}"' EXIT
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
    "$here/on-own-x-server.sh" dbus-run-session -- sh -c '
        dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
        exec "$@"' sh "$@"
