#!/usr/bin/env bash
# Builds everything and runs the whole test suite with CTest; tests that open
# windows run under a virtual X server.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

velorin_setup
velorin_build_all

cd "$velorin_build"
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
    ctest --output-on-failure --parallel 2 --timeout 600
