#!/usr/bin/env bash
# Times quarnix-bench against cp and GNU split on one 1 GiB file.
#
#   bench/compare.sh PATH/TO/quarnix-bench [WORK_FOLDER] [ROUNDS]
#
# The source and every output go into WORK_FOLDER (default: a new folder beside
# quarnix-bench), so all tools write to the same file system. The source is read
# again before every run so every run finds it in the page cache. Each timed run writes
# into a folder of its own, and no output is deleted before the last run: on
# ext4, creating files right after deleting many is slow and would blur the
# figures. Each tool runs ROUNDS times (default 5), interleaved; the best and the
# median time are printed, with peak memory and the ratios that matter.
set -euo pipefail

bench=${1:?usage: compare.sh PATH/TO/quarnix-bench [WORK_FOLDER] [ROUNDS]}
bench=$(realpath "$bench")
rounds=${3:-5}
if [[ -n ${2:-} ]]; then
    work=$2
    mkdir -p "$work"
else
    work=$(mktemp -d "$(dirname "$bench")/compare.XXXXXX")
fi
work=$(realpath "$work")
source_file="$work/source.bin"
runs="$work/runs"
size=$((1024 * 1024 * 1024))

if [[ ! -f $source_file || $(stat -c %s "$source_file") -ne $size ]]; then
    echo "making a 1 GiB source in $work" >&2
    head -c "$size" /dev/urandom >"$source_file"
fi
cat "$source_file" >/dev/null
mkdir -p "$runs"

tools=(cp split_b split_n quarnix_size quarnix_count)
declare -A label=(
    [cp]="cp"
    [split_b]="split -b 1310721"
    [split_n]="split -n 2"
    [quarnix_size]="quarnix-bench --size 1.25"
    [quarnix_count]="quarnix-bench --count 2"
)
declare -A times=()
declare -A peaks=()

command_for() { # tool folder: sets cmd
    case $1 in
    cp) cmd=(cp "$source_file" "$2/source.bin") ;;
    split_b) cmd=(split -b 1310721 "$source_file" "$2/x") ;;
    split_n) cmd=(split -n 2 "$source_file" "$2/x") ;;
    quarnix_size) cmd=("$bench" "$source_file" "$2" --size 1.25) ;;
    quarnix_count) cmd=("$bench" "$source_file" "$2" --count 2) ;;
    esac
}

# Before each run: earlier runs' dirty pages are written back so they do not
# compete with this one, and when we may, clean pages are dropped and the source
# read again. On a virtual machine a page cache that grows into memory the guest
# has never touched costs far more than the copy itself, which made the figures
# depend on the order of the runs rather than on the tools.
drop_caches=${DROP_CACHES:-1}
settle() {
    sync
    if ((drop_caches)) && [[ -w /proc/sys/vm/drop_caches ]]; then
        echo 1 >/proc/sys/vm/drop_caches
    fi
    cat "$source_file" >/dev/null
}

have_time=0
[[ -x /usr/bin/time ]] && have_time=1

count=0
for ((round = 1; round <= rounds; round++)); do
    for tool in "${tools[@]}"; do
        count=$((count + 1))
        folder="$runs/$count-$tool"
        mkdir "$folder"
        settle
        command_for "$tool" "$folder"
        start=$(date +%s%N)
        if ((have_time)); then
            /usr/bin/time -f %M -o "$folder.rss" "${cmd[@]}" >"$folder.out" 2>/dev/null
        else
            "${cmd[@]}" >"$folder.out" 2>/dev/null
        fi
        end=$(date +%s%N)
        times[$tool]+="$(((end - start) / 1000000)) "
        # quarnix-bench reports its own peak; /usr/bin/time gives the others'.
        peak=$(sed -n 's/.*peak_rss_kib=\([0-9]*\).*/\1/p' "$folder.out" | tail -n 1)
        if [[ -z $peak && -f $folder.rss ]]; then
            peak=$(tail -n 1 "$folder.rss")
        fi
        if [[ -n $peak && ( -z ${peaks[$tool]:-} || $peak -gt ${peaks[$tool]:-0} ) ]]; then
            peaks[$tool]=$peak
        fi
    done
done

median() { tr ' ' '\n' | grep -v '^$' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
best() { tr ' ' '\n' | grep -v '^$' | sort -n | head -n 1; }

# The ratios use each tool's best run: on a shared virtual machine a run can
# only be slowed down by others, never sped up, so the best run is the one
# closest to the tool's own cost. Medians are shown beside them.
declare -A med=() top=()
printf '%-28s %8s %10s %14s   %s\n' "tool" "best ms" "median ms" "peak RSS KiB" "all runs (ms)"
for tool in "${tools[@]}"; do
    med[$tool]=$(echo "${times[$tool]}" | median)
    top[$tool]=$(echo "${times[$tool]}" | best)
    printf '%-28s %8s %10s %14s   %s\n' "${label[$tool]}" "${top[$tool]}" "${med[$tool]}" "${peaks[$tool]:--}" \
        "${times[$tool]}"
done
ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }
echo
echo "                       best   median"
echo "count 2 / cp:          $(ratio "${top[quarnix_count]}" "${top[cp]}")   $(ratio "${med[quarnix_count]}" "${med[cp]}")   (target <= 1.10)"
echo "size 1.25 / cp:        $(ratio "${top[quarnix_size]}" "${top[cp]}")   $(ratio "${med[quarnix_size]}" "${med[cp]}")   (target <= 1.30)"
echo "size 1.25 / split -b:  $(ratio "${top[quarnix_size]}" "${top[split_b]}")   $(ratio "${med[quarnix_size]}" "${med[split_b]}")   (target <= 0.70)"
echo "peak RSS size 1.25 / count 2: ${peaks[quarnix_size]:--} / ${peaks[quarnix_count]:--} KiB (target < 24576, within 2048)"

# Only now, after the last run, do the outputs go.
rm -rf -- "${runs:?}"
if [[ -z ${2:-} ]]; then
    rm -rf -- "${work:?}"
fi
