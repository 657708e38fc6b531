#!/usr/bin/env bash
# Installs what the tests of the Windows plug-ins need to run them: wine64 for
# the 64-bit ones and 32-bit wine (with the i386 architecture enabled in dpkg) for
# the 32-bit library, the 32-bit Mesa that its windows draw with under Xvfb, and
# icoutils to read the version resources back. Installing runs no 32-bit program
# that matters, so it succeeds on machines whose kernel cannot execute them (only
# glib's cache update fails there, which its package allows). Idempotent and
# non-interactive; the build does not need any of it.
set -euo pipefail

packages=(
    wine wine32:i386 wine64 libwine:i386
    libgl1:i386 libglx-mesa0:i386 libgl1-mesa-dri:i386
    xvfb xauth x11-apps imagemagick icoutils
)

source "$(dirname "${BASH_SOURCE[0]}")/packages.sh"

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "setup-wine: enabling the i386 architecture"
    $sudo dpkg --add-architecture i386
    $sudo apt-get update
fi

velorin_install_packages setup-wine "${packages[@]}"
