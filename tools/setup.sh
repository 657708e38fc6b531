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
    # the renderer's FLAC and Ogg Vorbis files (Debian's JUCE leaves these codecs out)
    libflac-dev libvorbis-dev libogg-dev
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

source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"
velorin_install_packages setup "${packages[@]}"
