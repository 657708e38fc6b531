#!/usr/bin/env bash
# Builds everything and runs the whole test suite with CTest; tests that open
# windows run under a virtual X server, and the plug-ins are played in Ardour 7,
# which this script installs. The Windows plug-ins (32-bit and 64-bit) are
# cross-built too and their tests run under wine and wine64 (installed here). Then the in-process tests run again in
# two sanitizer builds: AddressSanitizer with UndefinedBehaviorSanitizer (plus
# bounded runs of the saved-state and ADM-OSC packet fuzzers), and ThreadSanitizer.
#   VELORIN_SANITIZERS=0          skip the sanitizer builds (a quicker local run)
#   VELORIN_FUZZ_SECONDS          how long the saved-state fuzzer searches (default 60)
#   VELORIN_ADMOSC_FUZZ_SECONDS   how long the ADM-OSC packet fuzzer searches (default 20)
#   VELORIN_AIFF_FUZZ_SECONDS     how long the AIFF channel-layout fuzzer searches (default 20)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

velorin_setup
bash "$velorin_root/tools/setup-ardour.sh"
bash "$velorin_root/tools/setup-test-tools.sh"
bash "$velorin_root/tools/setup-wine.sh"
bash "$velorin_root/tools/build-windows.sh"
velorin_build_all -DVELORIN_WINDOWS_BUILD_DIR="$velorin_windows_build" -DVELORIN_WINDOWS_X64_BUILD_DIR="$velorin_windows_x64_build"

run_ctest()
{
    xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -noreset" \
        ctest --test-dir "$1" --output-on-failure --parallel 2 --timeout 900
}

run_ctest "$velorin_build"

if [ "${VELORIN_SANITIZERS:-1}" = 0 ]; then
    exit 0
fi

sanitizer_tree()
{
    local tree="$1" sanitizers="$2"
    shift 2
    cmake -S "$velorin_root" -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
        -DVELORIN_SANITIZE="$sanitizers" -DVELORIN_BUILD_BENCHMARKS=OFF "$@"
}

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"

sanitizer_tree "$velorin_build-asan" address,undefined -DVELORIN_BUILD_FUZZERS=ON \
    -DVELORIN_FUZZ_SECONDS="${VELORIN_FUZZ_SECONDS:-60}" \
    -DVELORIN_ADMOSC_FUZZ_SECONDS="${VELORIN_ADMOSC_FUZZ_SECONDS:-20}" \
    -DVELORIN_AIFF_FUZZ_SECONDS="${VELORIN_AIFF_FUZZ_SECONDS:-20}"
cmake --build "$velorin_build-asan" --target velorin_tests velorin_encoding_tests velorin_state_fuzzer velorin_admosc_fuzzer velorin_aiff_layout_fuzzer
run_ctest "$velorin_build-asan"

sanitizer_tree "$velorin_build-tsan" thread
cmake --build "$velorin_build-tsan" --target velorin_tests velorin_encoding_tests
run_ctest "$velorin_build-tsan"
