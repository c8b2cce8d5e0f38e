#!/bin/sh
# Makes the wine prefix PREFIX ready for the Windows suites, once: wine passes no QT_
# variable from Linux on, so the prefix's own environment names Qt's platform and
# sends Qt's messages to standard error rather than to the debugger. One server then
# serves every suite, since starting it takes longer than most suites.
set -eu
export WINEPREFIX="${1:?usage: prepare-wine.sh PREFIX}"
unset DISPLAY
if [ ! -f "$WINEPREFIX/.quarnix-ready" ]; then
    wineboot --init
    wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d minimal:enable_fonts /f
    wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f
    wineserver --wait
    touch "$WINEPREFIX/.quarnix-ready"
fi
wineserver --persistent
