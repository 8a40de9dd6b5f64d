#!/usr/bin/env bash
# Remakes the user guide's pictures (resources/help/pictures/<Unit>.png) from
# the real windows: builds the help-pictures program in the build folder
# given (build/test-plain unless BUILD says otherwise), which opens each
# window on a sample data folder offscreen and grabs it. Run it after a
# window changes, and commit the pictures with the change.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD:-build/test-plain}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target help-pictures
mkdir -p resources/help/pictures
QT_QPA_PLATFORM=offscreen "$build/help-pictures" resources/help/pictures
# Smaller files, the same pictures, when optipng is there.
if command -v optipng >/dev/null; then optipng -quiet -o2 resources/help/pictures/*.png; fi
ls -l resources/help/pictures
