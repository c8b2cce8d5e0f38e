#!/usr/bin/env bash
# Times the start-up of Quarnix to its main window mapped, beside a bare Qt Widgets
# window built in the same tree and the same window with one word in it, on an X
# server of its own.
#
#   bench/startup.sh [BUILD_FOLDER] [ROUNDS]
#
# BUILD_FOLDER (default: build-release) holds the program and the two helpers from
# bench/. Each round starts the bare window, the one with a word and the program;
# quarnix-startup-poll asks the server every 2 ms whether the window is viewable
# and prints the milliseconds since it started the program. One round that is not
# counted comes first, so none pays for reading its libraries from disk. Prints
# every run, the best and the median of each, and the ratios of the medians.
set -euo pipefail

build=$(realpath "${1:-build-release}")
rounds=${2:-9}
program="$build/src/app/quarnix"
bare="$build/bench/quarnix-bare-window"
poll="$build/bench/quarnix-startup-poll"
for file in "$program" "$bare" "$poll"; do
    [[ -x $file ]] || { echo "missing: $file (build $build first)" >&2; exit 2; }
done

scratch=$(mktemp -d)
server=""
stop() {
    if [[ -n $server ]]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf -- "${scratch:?}"
}
trap stop EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/log" &
server=$!
for ((waited = 0; ; waited++)); do
    [[ -s $scratch/display ]] && break
    if ! kill -0 "$server" 2>/dev/null || ((waited >= 300)); then
        echo "The X server did not start:" >&2
        cat "$scratch/log" >&2
        exit 1
    fi
    sleep 0.1
done

# Both run alike: the X11 platform, and a runtime folder of their own so that Qt
# has nothing to warn about.
mkdir -m 700 "$scratch/runtime"
export DISPLAY=":$(head -n 1 "$scratch/display")" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb

declare -A times=()
for ((round = 0; round <= rounds; round++)); do
    for tool in bare label quarnix; do
        case $tool in
        bare) ms=$("$poll" "$bare") ;;
        label) ms=$("$poll" "$bare" --label) ;;
        quarnix) ms=$("$poll" "$program") ;;
        esac
        ((round > 0)) && times[$tool]+="$ms "
    done
done

stats() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{a[NR] = $1} END {print a[1], a[int((NR + 1) / 2)]}'; }
read -r bare_best bare_median < <(echo "${times[bare]}" | stats)
read -r label_best label_median < <(echo "${times[label]}" | stats)
read -r quarnix_best quarnix_median < <(echo "${times[quarnix]}" | stats)
printf '%-14s %8s %10s   %s\n' "window" "best ms" "median ms" "all runs (ms)"
printf '%-14s %8s %10s   %s\n' "bare Qt window" "$bare_best" "$bare_median" "${times[bare]}"
printf '%-14s %8s %10s   %s\n' "one label" "$label_best" "$label_median" "${times[label]}"
printf '%-14s %8s %10s   %s\n' "quarnix" "$quarnix_best" "$quarnix_median" "${times[quarnix]}"
echo
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
echo "quarnix / bare, medians: $(ratio "$quarnix_median" "$bare_median")   (target <= 1.25)"
# A window with text pays for the fonts, which the bare window never reads.
echo "one label / bare: $(ratio "$label_median" "$bare_median"); quarnix / one label: $(ratio "$quarnix_median" "$label_median")"
