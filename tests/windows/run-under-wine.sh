#!/usr/bin/env bash
# Runs a Windows program under wine, in a prefix kept in the given directory
# (created on first use), quietly, and waits for wine to finish: a 32-bit program
# in a 32-bit prefix, or with --64 a 64-bit program under wine64 alone, in a 64-bit
# prefix, so that nothing of 32-bit wine (which needs the kernel's 32-bit
# execution) is asked for.
#   run-under-wine.sh [--64] PREFIX-PARENT PROGRAM [ARGUMENTS...]
set -euo pipefail

if [ "$1" = --64 ]; then
    shift
    export WINEPREFIX="$1/wine64-prefix"
    export WINEARCH=win64
    export WINELOADER=/usr/lib/wine/wine64
    export WINESERVER=/usr/lib/wine/wineserver64
    wine=("$WINELOADER")
else
    export WINEPREFIX="$1/wine-prefix"
    export WINEARCH=win32
    wine=(wine)
fi
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
shift

status=0
"${wine[@]}" "$@" || status=$?
wineserver -w
exit "$status"
