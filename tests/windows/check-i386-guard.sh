#!/usr/bin/env bash
# The 32-bit wine tests are skipped exactly where 32-bit wine cannot run: wine's
# own 32-bit loader is run once through the guard those tests use and once
# directly, and the two must agree.
#   check-i386-guard.sh PROBE
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
loader=/usr/lib/wine/wine

guarded=0
bash "$here/i386-only.sh" "$1" "$loader" --version || guarded=$?

direct=0
answer="$("$loader" --version 2>&1)" || direct=$?

case "$guarded,$direct" in
    0,0) echo "32-bit programs run here ($answer): the 32-bit wine tests run" ;;
    77,0)
        echo "FAILED: the 32-bit wine tests would be skipped, but wine's 32-bit loader runs here ($answer)"
        exit 1
        ;;
    77,*) echo "32-bit programs cannot run here ($answer): the 32-bit wine tests are skipped" ;;
    *)
        echo "FAILED: the guard let the 32-bit wine tests run, but wine's 32-bit loader fails here ($answer)"
        exit 1
        ;;
esac
