#!/usr/bin/env bash
# Builds Tarnbeck and starts it on a data folder: the folder named as the
# first argument, else the one named last time, else ~/Tarnbeck. A new
# folder gets the starter course list. Choosing and preparing the folder is
# the launcher's work (scripts/tarnbeck-launcher.sh, installed as `tarnbeck`),
# here run on this checkout's build.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"

"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build/app" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build/app" -j "$(nproc)" --target tarnbeck tarnbeck-cli >/dev/null

args=()
if [ -n "${1:-}" ]; then
    args=(--data "$1")
fi
TARNBECK_PROGRAM="$root/build/app/tarnbeck" TARNBECK_SAMPLE="$root/resources/sample.vxc" \
    TARNBECK_COMMAND="$0${1:+ $1}" exec "$root/scripts/tarnbeck-launcher.sh" "${args[@]}"
