#!/usr/bin/env bash
# Runs a 32-bit Windows program under wine, in a 32-bit prefix kept in the given
# directory (created on first use), quietly, and waits for wine to finish.
#   run-under-wine.sh PREFIX-PARENT PROGRAM [ARGUMENTS...]
set -euo pipefail

export WINEPREFIX="$1/wine-prefix"
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
shift

status=0
wine "$@" || status=$?
wineserver -w
exit "$status"
