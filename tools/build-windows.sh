#!/usr/bin/env bash
# Cross-builds the Windows plug-ins with Debian's mingw-w64: the 32-bit library
# Velorin_32bit.dll into build-win32/ and the 64-bit Velorin.vst3 and Velorin.dll
# into build-win64/, each with the small hosts the tests run them with under wine,
# and packs each architecture's plug-ins into dist/velorin-windows-x86.zip and
# dist/velorin-windows-x64.zip. Installs the cross compilers and the mingw
# libraries first (tools/setup-windows.sh).
#   tools/build-windows.sh [x86|x64] [options of cmake --build]   one architecture only
#   VELORIN_WINDOWS_BUILD_DIR, VELORIN_WINDOWS_X64_BUILD_DIR      other build directories
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
source "$velorin_root/tools/windows-targets.sh"

targets=(x86 x64)
if [ "${1:-}" = x86 ] || [ "${1:-}" = x64 ]; then
    targets=("$1")
    shift
fi

bash "$velorin_root/tools/setup-windows.sh" "${targets[@]}"

for target in "${targets[@]}"; do
    velorin_windows_target "$target"
    if [ "$target" = x86 ]; then
        tree="$velorin_windows_build"
    else
        tree="$velorin_windows_x64_build"
    fi

    cmake -S "$velorin_root" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$velorin_root/cmake/mingw-$mingw_cpu.cmake" \
        -DVELORIN_MINGW_PREFIX="${VELORIN_MINGW_ROOT:-/opt/velorin}/mingw-$mingw_cpu"
    cmake --build "$tree" "$@"

    bash "$velorin_root/tools/dist-windows.sh" "$target" "$tree" "$velorin_root/dist/velorin-windows-$target.zip"
done
