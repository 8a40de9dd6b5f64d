#!/usr/bin/env bash
# Builds Tarnbeck twice (plain, and with AddressSanitizer and UBSan) and runs
# every test of both builds. The window tests run twice: drawn offscreen, and
# on a virtual X server (Xvfb) under a window manager (openbox), where windows
# are really mapped, activated and focused. No display of our own is needed.
# When clang is installed, the libFuzzer targets are built as well and each
# runs for a few seconds.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
jobs=$(nproc)

# Each test run gets a fresh X server and window manager, stopped after it
# whatever happens.
source scripts/xserver.sh

# No session bus runs here. Without an address, libdbus would try to start
# one through the X display in every test (leaving a bus running if it can).
export DBUS_SESSION_BUS_ADDRESS="unix:path=$xdir/no-bus"
mkdir -m 700 "$xdir/runtime"
export XDG_RUNTIME_DIR="$xdir/runtime"

# Each stage says how long it took: a first answer should come within ten
# minutes on a fresh two-core machine.
started=$SECONDS
stage() { echo "== $1 (at $((SECONDS - started)) s)"; }

# Ninja, and line tables only for the debug information (enough for the
# sanitizers' reports, and much less to compile and link). The plain build is
# optimised as a user's is; the sanitizer build at -O1, which keeps the
# sanitizers' checks and reports and compiles in half the time.
configure() {
    local dir=$1 optimise=$2
    shift 2
    # A folder configured earlier for another generator is configured afresh.
    if [ -f "$dir/CMakeCache.txt" ] && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$dir/CMakeCache.txt"; then
        rm -rf "$dir"
    fi
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="$optimise -g1 -DNDEBUG" "$@" >/dev/null
}

status=0
for config in plain sanitize; do
    dir="build/test-$config"
    sanitize=OFF optimise=-O2
    [ "$config" = sanitize ] && sanitize=ON optimise=-O1
    stage "$config build"
    configure "$dir" $optimise -DTARNBECK_SANITIZE=$sanitize -DTARNBECK_X11_TESTS=ON -DTARNBECK_WERROR=ON \
        -DTARNBECK_PCH=ON
    cmake --build "$dir" -j "$jobs"
    stage "$config tests"
    start_x
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" || status=1
    # Without openbox the x11. tests would still run, only unmanaged.
    kill -0 "$wm_pid" 2>/dev/null || x_failed "openbox stopped during the $config tests"
    stop_x
done

# With clang at hand, each libFuzzer target also runs for a few seconds, on a
# copy of its seed corpus so that the inputs it adds stay out of the
# repository. An input that breaks a target is kept in build/fuzz/artifacts.
if command -v clang++ >/dev/null; then
    stage "fuzz build"
    configure build/fuzz -O2 -DCMAKE_CXX_COMPILER=clang++ -DTARNBECK_FUZZ=ON -DTARNBECK_GUI=OFF \
        -DBUILD_TESTING=OFF -DTARNBECK_WERROR=ON
    cmake --build build/fuzz -j "$jobs"
    stage "fuzz runs"
    mkdir -p build/fuzz/artifacts
    fuzz() {
        local target=$1
        cp -r "fuzz/corpus/$target" "$xdir/corpus-$target"
        if build/fuzz/fuzz/fuzz_"$target" -max_total_time=10 \
            -artifact_prefix="build/fuzz/artifacts/$target-" "$xdir/corpus-$target" \
            2>"$xdir/fuzz-$target.log"; then
            echo "fuzz_$target: $(grep '^Done' "$xdir/fuzz-$target.log")"
        else
            echo "fuzz_$target failed:" >&2
            tail -n 40 "$xdir/fuzz-$target.log" >&2
            return 1
        fi
    }
    # As many targets at once as there are cores, each still for its ten
    # seconds.
    export -f fuzz
    export xdir
    ls fuzz/corpus | xargs -P "$jobs" -I{} bash -c 'fuzz {}' || status=1
fi
stage "done"
exit $status
