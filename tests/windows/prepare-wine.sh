#!/bin/sh
# Makes the wine prefix PREFIX ready for the Windows suites, once: wine passes no QT_
# variable from Linux on, so the prefix's own environment names Qt's platform and
# sends Qt's messages to standard error rather than to the debugger. One server then
# serves every suite, since starting it takes longer than most suites.
#
# Wine's own background processes outlive this script; they write to a log of the
# prefix's, since CTest would wait for them as long as they hold its output open.
set -eu
export WINEPREFIX="${1:?usage: prepare-wine.sh PREFIX}"
unset DISPLAY
mkdir -p "$WINEPREFIX"
log="$WINEPREFIX/prepare.log"
if [ ! -f "$WINEPREFIX/.quarnix-ready" ]; then
    if ! {
        wineboot --init &&
            wine reg add 'HKCU\Environment' /v QT_QPA_PLATFORM /d minimal:enable_fonts /f &&
            wine reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f &&
            wine reg add 'HKLM\Software\Wine\Drives' /v a: /d floppy /f &&
            wineserver --wait
    } </dev/null >"$log" 2>&1; then
        cat "$log"
        exit 1
    fi
    touch "$WINEPREFIX/.quarnix-ready"
fi
# Drive A: is a floppy drive whose disk is whatever floppy-disk leads to; there is
# none in it until a check puts one in. Wine learns its drives when it starts.
ln -sfn "$WINEPREFIX/floppy-disk" "$WINEPREFIX/dosdevices/a:"
# The persistent server keeps wine's own processes, started here, for every suite.
# One still left over from an earlier run of this prefix cannot be made persistent.
# The first program a new server runs starts wine's own services; once in many runs
# they failed to come up, so a failed start gets one more server, and the log is
# shown if that fails too.
for try in 1 2; do
    wineserver --kill 2>/dev/null || true
    wineserver --wait
    if wineserver --persistent </dev/null >>"$log" 2>&1 && wine cmd /c exit </dev/null >>"$log" 2>&1; then
        exit 0
    fi
    echo "wine did not start in $WINEPREFIX (try $try):"
    tail -n 20 "$log"
done
exit 1
