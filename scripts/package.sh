#!/usr/bin/env bash
# Builds the Debian package of Tarnbeck: a Release build without tests in
# build/package, made into a .deb by CPack. Prints the package's path;
# install it with: apt-get install ./build/package/tarnbeck_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

dir=build/package
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >/dev/null
cmake --build "$dir" -j "$(nproc)"
rm -f "$dir"/tarnbeck_*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
deb=("$dir"/tarnbeck_*.deb)
[ -f "${deb[0]}" ] || { echo "cpack made no package" >&2; exit 1; }
echo "$PWD/${deb[0]}"
