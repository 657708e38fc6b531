#!/usr/bin/env bash
# Runs a command that needs this machine to execute 32-bit x86 programs, as 32-bit
# wine does. Where the kernel cannot (some x86-64 machines have its 32-bit
# execution turned off), it says so in one line and exits with 77, which CTest
# reports as a skipped test.
#   i386-only.sh PROBE COMMAND [ARGUMENTS...]
#   VELORIN_ASSUME_NO_32BIT=1   act as a machine that cannot, to see the skip
set -euo pipefail

probe="$1"
shift

if [ ! -x "$probe" ]; then
    echo "no 32-bit probe program at $probe"
    exit 1
fi

if [ "${VELORIN_ASSUME_NO_32BIT:-0}" = 1 ] || ! "$probe" 2>/dev/null; then
    echo "SKIPPED: this machine cannot execute 32-bit programs, which 32-bit wine needs"
    exit 77
fi

exec "$@"
