#!/bin/sh
# Runs one test program with an empty folder of its own at /mnt (a tmpfs in a mount
# namespace of its own), so that the folder names a window shows are the same on
# every run and machine. Everything mounted goes with the program.
exec unshare --user --map-root-user --mount sh -c 'mount -t tmpfs pictures /mnt && exec "$@"' sh "$@"
