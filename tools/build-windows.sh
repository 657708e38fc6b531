#!/usr/bin/env bash
# Cross-builds the 32-bit Windows library Velorin_32bit.dll (and the small host
# the tests run it with under wine) with Debian's mingw-w64, into build-win32/.
# Installs the cross compilers and the mingw libraries first (tools/setup-windows.sh).
#   VELORIN_WINDOWS_BUILD_DIR   another build directory
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

bash "$velorin_root/tools/setup-windows.sh"

cmake -S "$velorin_root" -B "$velorin_windows_build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$velorin_root/cmake/mingw-i686.cmake"
cmake --build "$velorin_windows_build" "$@"

echo "Velorin_32bit.dll is in $velorin_windows_build/plugin/Velorin_artefacts/Release/VST"
