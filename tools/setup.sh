#!/usr/bin/env bash
# Installs the Debian 12 packages that building and testing Velorin need.
# Idempotent and non-interactive: packages already present are not touched.
set -euo pipefail

packages=(
    # build
    build-essential cmake ninja-build pkg-config ccache git
    juce-modules-source fst-dev libpugixml-dev
    libasound2-dev libfreetype-dev libfontconfig1-dev libpng-dev libjpeg-dev zlib1g-dev
    libx11-dev libxext-dev libxrandr-dev libxinerama-dev libxcursor-dev libxcomposite-dev
    libgl-dev libxtst-dev
    # tests and benchmarks
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth x11-utils fonts-dejavu-core
    # embedded font
    fonts-roboto-unhinted
    # sanitizers and fuzzing
    clang libclang-rt-14-dev
    # LV2 inspection in tests
    lilv-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi

export DEBIAN_FRONTEND=noninteractive
echo "setup: installing ${missing[*]}"
if ! $sudo apt-get install -y --no-install-recommends "${missing[@]}"; then
    $sudo apt-get update
    $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
