#!/usr/bin/env bash
# The disk-by-disk flow on the Windows code path, for real, under wine: drive A: is a
# floppy drive of the prefix's (prepare-wine.sh) whose disks are 1,474,560-byte tmpfs
# mounts, changed at each prompt by pointing the drive's link floppy-disk at the next
# one, as a user changes disks. quarnix-bench runs the Split button's job and answers every box; the script
# given to --at-prompt changes the disk, leaves it in, or takes it out.
#   floppy-drive.sh BUILD_FOLDER   (in the test wine prefix, as root)
set -euo pipefail

bench=$(realpath "${1:?usage: floppy-drive.sh BUILD_FOLDER}")/bench/quarnix-bench.exe
work=$(mktemp -d "${TMPDIR:-/tmp}/quarnix-floppy.XXXXXX")
drive=$WINEPREFIX/floppy-disk
mounted=()
cleanup() {
    rm -f -- "$drive"
    for point in "${mounted[@]}"; do umount -l "$point" || true; done
    rm -rf -- "${work:?}"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

for disk in 1 2 3; do
    mkdir "$work/disk$disk"
    if ! mount -t tmpfs -o size=1474560 tmpfs "$work/disk$disk" 2>/dev/null; then
        [[ -z ${CI:-} ]] || fail "cannot mount a tmpfs; CI runs as root"
        echo "SKIP: this machine does not let the check mount a tmpfs (it needs root)"
        exit 0
    fi
    mounted+=("$work/disk$disk")
done
head -c 3000000 /dev/urandom >"$work/report.doc"
windows() { echo "Z:${1//\//\\}"; }
source_file=$(windows "$work/report.doc")

# The prompt's command: a batch file that has wine start a Unix script, which wine
# does without waiting for it, and then waits until the script is through.
at_prompt() { # DISK... : the disk put in at each prompt in turn; "none" takes it out
    printf '%s\n' "$@" >"$work/disks"
    cat >"$work/change.sh" <<SCRIPT
#!/bin/sh
next=\$(head -n 1 "$work/disks"); sed -i 1d "$work/disks"
rm -f "$drive"
[ "\$next" = none ] || ln -s "$work/\$next" "$drive"
touch "$work/changed"
SCRIPT
    chmod +x "$work/change.sh"
    local changed
    changed=$(windows "$work/changed")
    printf 'start /unix %s\r\n:wait\r\nif not exist "%s" goto wait\r\ndel "%s"\r\n' \
        "$work/change.sh" "$changed" "$changed" >"$work/change.bat"
    echo "call $(windows "$work/change.bat")"
}

# Empty disks, the first in the drive.
reset() {
    for disk in 1 2 3; do find "$work/disk$disk" -mindepth 1 -delete; done
    ln -sfn "$work/disk1" "$drive"
}

# Splits onto DESTINATION; prints the boxes' titles and the error report's detail.
split() { # DESTINATION DISK...
    local destination=$1
    shift
    wine "$bench" "$source_file" "$destination" --size 1.25 --at-prompt "$(at_prompt "$@")" 2>&1 \
        | tr -d '\r' | grep -E '^\[|^The free space' | sed 's/\] .*/]/' | tr '\n' ' '
}

expect() { # WHAT ACTUAL EXPECTED
    [[ $2 == "$3" ]] || fail "$1: got '$2', expected '$3'"
}

files() { (cd "$work/$1" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' '); }

# The example of a 3,000,000-byte file in 1.25 MB chunks: each of the first two disks
# takes one chunk, the third the last chunk and the batch file, which in the root of
# A: keeps itself.
reset
expect "to A:" "$(split 'A:' disk2 disk3)" "[Suggestion] [Enter next floppy] [Enter next floppy] [Done] "
expect "disk 1" "$(files disk1)" "reportdoc.1 "
expect "disk 2" "$(files disk2)" "reportdoc.2 "
expect "disk 3" "$(files disk3)" "reportdoc.3 reportdoc.bat "
! grep -q 'Del "reportdoc.bat"' "$work/disk3/reportdoc.bat" || fail "deletes itself in the root of A:"

# A folder of a floppy, written in lower case: a floppy too, with a batch file that
# deletes itself. A disk left in at a prompt is asked for again.
reset
mkdir "$work"/disk{1,2,3}/data
expect "to a:\\data" "$(split 'a:\data' disk1 disk2 disk3)" \
    "[Suggestion] [Enter next floppy] [Enter next floppy] [Enter next floppy] [Done] "
expect "disk 3" "$(files disk3)" "data/reportdoc.3 data/reportdoc.bat "
grep -q 'Del "reportdoc.bat"' "$work/disk3/data/reportdoc.bat" || fail "a:\\data: no self-delete line"

# " A:" is no floppy destination to the warning, which sees the text as typed; the
# split trims it, and the rest of the job then writes disk by disk to A:.
reset
expect "to ' A:'" "$(split ' A:' disk2 disk3)" "[Enter next floppy] [Enter next floppy] [Done] "

# No disk in the drive when OK is pressed: the error report, and the first disk keeps
# its chunk.
reset
expect "no disk" "$(split 'A:' none)" \
    "[Suggestion] [Enter next floppy] [Error] The free space of A: cannot be read: the drive is not ready. "
expect "disk 1 after no disk" "$(files disk1)" "reportdoc.1 "

# A disk without room for the first chunk, by the free space Windows reports for A::
# nothing is written.
reset
head -c 400000 /dev/zero >"$work/disk1/filler"
expect "full disk" "$(split 'A:')" "[Suggestion] [Lack of space] "
expect "full disk, untouched" "$(files disk1)" "filler "
echo "the disk-by-disk flow on drive A: holds"
