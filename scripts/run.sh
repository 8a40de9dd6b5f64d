#!/usr/bin/env bash
# Builds Tarnbeck and starts it on a data folder: the folder named as the
# first argument, or ~/Tarnbeck. A new folder gets the starter course list.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
data="${1:-$HOME/Tarnbeck}"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Tarnbeck is a windowed program and this machine has no display; to run it anyway, use: xvfb-run -a $0 ${1:-}" >&2
    exit 1
fi

"$root/scripts/setup.sh"
cmake -S "$root" -B "$root/build/app" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$root/build/app" -j "$(nproc)" --target tarnbeck tarnbeck-cli >/dev/null

mkdir -p "$data"
if [ ! -e "$data/courses.vxc" ] && [ ! -e "$data/sample.vxc" ]; then
    cp "$root/resources/sample.vxc" "$data/sample.vxc"
fi
cd "$data"
exec "$root/build/app/tarnbeck"
