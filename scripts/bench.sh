#!/usr/bin/env bash
# Builds the benchmark configuration (Release) in build-bench, writes a data
# folder of 300 golfers with 200 scores each, and times whole processes:
#
#   tarnbeck-cli index SHORT   beside   cat SHORT.vxp
#   tarnbeck-cli indexes       beside   cat golfers.vxc *.vxp
#
# Each command runs a few times to warm the caches, then RUNS times (default
# 51); the medians and their ratios are printed. Targets: index at most 3x
# its cat, indexes at most 5x the cat of all files. The exit status is 1 when
# a target is missed.
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
        -DTARNBECK_BENCH=ON -DTARNBECK_GUI=OFF -DBUILD_TESTING=OFF >/dev/null
fi
cmake --build "$build" -j "$jobs" --target tarnbeck-cli tarnbeck-bench-data tarnbeck-bench

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

# Median wall time in microseconds of RUNS runs of the command, output to
# /dev/null, after three warm-up runs.
median_us() {
    local times=() i start end
    for ((i = 0; i < 3; i++)); do "$@" >/dev/null; done
    for ((i = 0; i < runs; i++)); do
        start=$EPOCHREALTIME
        "$@" >/dev/null
        end=$EPOCHREALTIME
        times+=($((10#${end/./} - 10#${start/./})))
    done
    printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p"
}

index_us=$(median_us "$cli" --dir "$data" index "$short")
cat_one_us=$(median_us cat "$data/$short.vxp")
indexes_us=$(median_us "$cli" --dir "$data" indexes)
cat_all_us=$(median_us cat "${all_files[@]}")

bytes_one=$(stat -c %s "$data/$short.vxp")
bytes_all=$(cat "${all_files[@]}" | wc -c)

missed=0
report() { # label, tool us, cat us, target
    local ratio verdict
    ratio=$(awk -v a="$2" -v b="$3" 'BEGIN { printf "%.2f", a / b }')
    if awk -v r="$ratio" -v t="$4" 'BEGIN { exit !(r <= t) }'; then
        verdict="ok (target <= ${4}x)"
    else
        verdict="MISSED (target <= ${4}x)"
        missed=1
    fi
    printf '%-44s %8d us\n' "$1" "$2"
    printf '%-44s %8d us\n' "  cat of the same files" "$3"
    printf '%-44s %8sx  %s\n' "  ratio" "$ratio" "$verdict"
}

echo
echo "Medians of $runs runs; data folder $data"
report "tarnbeck-cli index $short ($bytes_one bytes)" "$index_us" "$cat_one_us" 3
report "tarnbeck-cli indexes (301 files, $bytes_all bytes)" "$indexes_us" "$cat_all_us" 5

if ((core)); then
    echo
    "$build/bench/tarnbeck-bench"
fi
exit "$missed"
