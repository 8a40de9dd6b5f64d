#!/usr/bin/env bash
# Builds the benchmark configuration (Release) in build-bench, writes a data
# folder of 300 golfers with 200 scores each, and times whole processes, each
# pair alternated run by run so that both meet the same machine:
#
#   tarnbeck-cli index SHORT   beside   cat SHORT.vxp              (<= 1.3x)
#   tarnbeck-cli indexes       beside   cat golfers.vxc *.vxp      (<= 2x)
#   tarnbeck up to its drawn main window   beside   a bare Qt window with the
#   same title, menu and four buttons, on Xvfb with openbox       (<= 1.1x)
#
# Each command runs a few times to warm the caches, then RUNS times (default
# 51); the medians and their ratios are printed. The exit status is 1 when a
# target is missed.
#
# Options: --core   also run the core benchmarks (tarnbeck-bench)
# Environment: RUNS, BUILD_DIR (default <repo>/build-bench), JOBS (default 2)

set -euo pipefail
export LC_ALL=C # EPOCHREALTIME with a "." whatever the locale

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
runs=${RUNS:-51}
jobs=${JOBS:-2}
core=0
for arg in "$@"; do
    case $arg in
    --core) core=1 ;;
    *)
        echo "usage: scripts/bench.sh [--core]" >&2
        exit 2
        ;;
    esac
done

generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
if [[ ! -f $build/CMakeCache.txt ]]; then
    cmake -S "$root" -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release \
        -DTARNBECK_BENCH=ON -DTARNBECK_GUI=ON -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$build" -j "$jobs" --target tarnbeck-cli tarnbeck-bench-data tarnbeck-bench \
    tarnbeck tarnbeck-bare-window

cli=$build/tarnbeck-cli
data=$build/bench-data
rm -rf "$data"
mapfile -t shorts < <("$build/bench/tarnbeck-bench-data" "$data")
short=${shorts[0]}
all_files=("$data/golfers.vxc")
for name in "${shorts[@]}"; do
    all_files+=("$data/$name.vxp")
done

# The runs must work before they are timed.
[[ $("$cli" --dir "$data" indexes | wc -l) -eq 300 ]] || {
    echo "bench: indexes did not list 300 golfers" >&2
    exit 1
}
"$cli" --dir "$data" index "$short" >/dev/null

# Wall time in microseconds of one run of the command, output to /dev/null.
run_us() {
    local start end
    start=$EPOCHREALTIME
    "$@" >/dev/null
    end=$EPOCHREALTIME
    echo $((10#${end/./} - 10#${start/./}))
}
median() { sort -n | sed -n "$(((runs + 1) / 2))p"; }

# Medians of RUNS alternated runs of command A and command B (after three
# warm-up runs of each), as "A B". The commands are given as two arrays' names.
paired_medians() {
    local -n first=$1 second=$2
    local a=() b=() i
    for ((i = 0; i < 3; i++)); do
        "${first[@]}" >/dev/null
        "${second[@]}" >/dev/null
    done
    for ((i = 0; i < runs; i++)); do
        a+=("$(run_us "${first[@]}")")
        b+=("$(run_us "${second[@]}")")
    done
    echo "$(printf '%s\n' "${a[@]}" | median) $(printf '%s\n' "${b[@]}" | median)"
}

index_cmd=("$cli" --dir "$data" index "$short")
cat_one_cmd=(cat "$data/$short.vxp")
indexes_cmd=("$cli" --dir "$data" indexes)
cat_all_cmd=(cat "${all_files[@]}")
read -r index_us cat_one_us < <(paired_medians index_cmd cat_one_cmd)
read -r indexes_us cat_all_us < <(paired_medians indexes_cmd cat_all_cmd)

# The start-up: the program on the data folder with a settings file of its
# own, and the bare window, each ending once its window is drawn.
source "$root/scripts/xserver.sh"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$xdir/no-bus"
mkdir -m 700 "$xdir/runtime"
export XDG_RUNTIME_DIR="$xdir/runtime" TARNBECK_QUIT_WHEN_SHOWN=1 QT_QPA_PLATFORM=xcb
export TARNBECK_INI="$xdir/tarnbeck.ini"
start_x
program_cmd=(env -C "$data" "$build/tarnbeck")
# Both are started the same way, through env -C, which costs a process start.
bare_cmd=(env -C "$data" "$build/bench/tarnbeck-bare-window")
read -r program_us bare_us < <(paired_medians program_cmd bare_cmd)
stop_x

bytes_one=$(stat -c %s "$data/$short.vxp")
bytes_all=$(cat "${all_files[@]}" | wc -c)

missed=0
report() { # label, tool us, base us, base label, target
    local ratio verdict
    ratio=$(awk -v a="$2" -v b="$3" 'BEGIN { printf "%.2f", a / b }')
    if awk -v r="$ratio" -v t="$5" 'BEGIN { exit !(r <= t) }'; then
        verdict="ok (target <= ${5}x)"
    else
        verdict="MISSED (target <= ${5}x)"
        missed=1
    fi
    printf '%-44s %8d us\n' "$1" "$2"
    printf '%-44s %8d us\n' "  $4" "$3"
    printf '%-44s %8sx  %s\n' "  ratio" "$ratio" "$verdict"
}

echo
echo "Medians of $runs runs; data folder $data"
report "tarnbeck-cli index $short ($bytes_one bytes)" "$index_us" "$cat_one_us" \
    "cat of the same file" 1.3
report "tarnbeck-cli indexes (301 files, $bytes_all bytes)" "$indexes_us" "$cat_all_us" \
    "cat of the same files" 2
report "tarnbeck to its drawn main window" "$program_us" "$bare_us" "a bare Qt window" 1.1

if ((core)); then
    echo
    "$build/bench/tarnbeck-bench"
fi
exit "$missed"
