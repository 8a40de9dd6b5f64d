#!/usr/bin/env bash
# Builds Tarnbeck twice (plain, and with AddressSanitizer and UBSan) and runs
# every test of both builds. Windows are drawn offscreen: no display needed.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
jobs=$(nproc)

status=0
for config in plain sanitize; do
    dir="build/test-$config"
    sanitize=OFF
    [ "$config" = sanitize ] && sanitize=ON
    echo "== $config build"
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARNBECK_SANITIZE=$sanitize >/dev/null
    cmake --build "$dir" -j "$jobs"
    echo "== $config tests"
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" || status=1
done
exit $status
