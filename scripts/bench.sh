#!/usr/bin/env bash
# Builds the benchmark configuration (Release) in build-bench, writes a data
# folder of 300 golfers with 200 scores each, and times whole processes, each
# pair alternated run by run so that both meet the same machine:
#
#   tarnbeck-cli index SHORT   beside   cat SHORT.vxp              (<= 1.3x)
#   tarnbeck-cli indexes       beside   cat golfers.vxc *.vxp      (<= 2x)
#   tarnbeck up to its drawn main window   beside   a bare Qt window with the
#   same title, menus, logo, four buttons and version line, on Xvfb with openbox (<= 1.1x)
#
# Each command runs a few times to warm the caches, then RUNS times (default
# 51); the medians and their ratios are printed. The exit status is 1 when a
# target is missed.
#
# Options: --core   also run the core benchmarks (tarnbeck-bench)
#          --gui    also run the window benchmarks (tarnbeck-gui-bench, drawn
#                   offscreen in the benchmark's process): for each case the
#                   median of REPS repetitions of the program and of a bare-Qt
#                   baseline, against 16 ms (100 ms a page for printing) and
#                   1.5x the baseline; and the program's peak resident memory
#                   with every window opened once beside a bare window's
# Environment: RUNS, REPS (default 15), REP_TIME (seconds a repetition runs
#              for at least, default 0.12), BUILD_DIR (default
#              <repo>/build-bench), JOBS (default 2)

set -euo pipefail
export LC_ALL=C # EPOCHREALTIME with a "." whatever the locale

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${BUILD_DIR:-$root/build-bench}
runs=${RUNS:-51}
jobs=${JOBS:-2}
reps=${REPS:-15}
rep_time=${REP_TIME:-0.12}
core=0
gui=0
for arg in "$@"; do
    case $arg in
    --core) core=1 ;;
    --gui) gui=1 ;;
    *)
        echo "usage: scripts/bench.sh [--core] [--gui]" >&2
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
targets=(tarnbeck-cli tarnbeck-bench-data tarnbeck-bench tarnbeck tarnbeck-bare-window)
((gui)) && targets+=(tarnbeck-gui-bench)
cmake --build "$build" -j "$jobs" --target "${targets[@]}"

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

# The window benchmarks' medians as CSV lines "case,program ms,bare ms,pages"
# (pages 0 for a window) in the order the benchmark lists its cases, or
# "case,ERROR,message" for a case that failed.
gui_medians() {
    local cases
    cases=$("$build/bench/tarnbeck-gui-bench" --data "$data" --benchmark_list_tests 2>/dev/null |
        sed 's|/.*||' | uniq | tr '\n' ' ')
    awk -F, -v cases="$cases" 'NR > 1 {
        name = $1; gsub(/"/, "", name)
        split(name, part, "/")
        if ($0 ~ /,true,/) { print part[1] ",ERROR," $10; next }
        if (name !~ /_median$/) next
        time[part[1], part[2]] = $3
        if (part[2] == "program") pages[part[1]] = $NF
        seen[part[1]] = 1
    }
    END { n = split(cases, order, " "); for (i = 1; i <= n; i++) {
        c = order[i]; if (c in seen) print c "," time[c, "program"] "," time[c, "bare"] "," pages[c] } }'
}

# Peak resident memory in kB of a run of the window benchmark with `filter`,
# each case once.
peak_kb() {
    "$build/bench/tarnbeck-gui-bench" --data "$data" --benchmark_filter="$1" \
        --benchmark_min_time=0 2>&1 >/dev/null | sed -n 's/^peak-rss-kb //p'
}

if ((gui)); then
    # The repetitions of all cases interleaved in random order, so that a
    # case and its baseline meet the same spells of a busy machine.
    gui_bench=("$build/bench/tarnbeck-gui-bench" --data "$data" --benchmark_format=csv
        --benchmark_repetitions="$reps" --benchmark_report_aggregates_only=true
        --benchmark_enable_random_interleaving=true --benchmark_min_time="$rep_time")
    echo
    echo "Windows, drawn offscreen: medians of $reps repetitions (ms)"
    printf '%-20s %9s %9s %7s  %s\n' case program bare ratio target
    while IFS=, read -r name program bare pages; do
        if [[ $program == ERROR ]]; then
            printf '%-20s FAILED: %s\n' "$name" "$bare"
            missed=1
            continue
        fi
        limit=$(awk -v p="$pages" 'BEGIN { print (p > 0 ? 100 * p : 16) }')
        label="<= ${limit} ms"
        ((pages > 0)) && label="<= ${limit} ms ($pages pages x 100)"
        read -r ratio verdict < <(awk -v a="$program" -v b="$bare" -v l="$limit" 'BEGIN {
            r = a / b; printf "%.2f %s\n", r, (a <= l && r <= 1.5) ? "ok" : "MISSED" }')
        [[ $verdict == ok ]] || missed=1
        printf '%-20s %9.2f %9.2f %6sx  %s, <= 1.5x: %s\n' "$name" "$program" "$bare" \
            "$ratio" "$label" "$verdict"
    done < <("${gui_bench[@]}" 2>/dev/null | gui_medians)
    echo "Peak resident memory: the program, every window opened once: $(peak_kb /program) kB;" \
        "a bare window: $(peak_kb '^Startup/bare$') kB"
fi
exit "$missed"
