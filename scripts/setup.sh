#!/usr/bin/env bash
# Installs the Debian packages Tarnbeck needs to build, test, package and
# run, when any of them is missing. Needs root (or sudo).
set -euo pipefail

packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-private-dev qt6-charts-dev libgl-dev libgtest-dev
          libgmock-dev libbenchmark-dev xvfb xauth openbox x11-utils xdotool
          fonts-liberation2 poppler-utils python3 dpkg-dev file desktop-file-utils)
missing=()
for package in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
