#!/usr/bin/env bash
# Opens the editor of a Windows plug-in under wine on a virtual display of its
# own, through a test host's --editor mode, takes a screenshot of it and checks
# that it was drawn (not one flat colour): the screenshot is kept for a person to
# look at. With --64, a 64-bit host under wine64 (see run-under-wine.sh).
#   editor-under-wine.sh [--64] WORK-DIRECTORY HOST PLUG-IN SCREENSHOT
set -euo pipefail

bits=()
if [ "$1" = --64 ]; then
    bits=(--64)
    shift
fi

work="$1" host="$2" dll="$3" screenshot="$4"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

if [ -z "${VELORIN_EDITOR_DISPLAY_STARTED:-}" ]; then
    export VELORIN_EDITOR_DISPLAY_STARTED=1
    exec xvfb-run --auto-servernum --server-args="-screen 0 640x560x24" bash "$0" "${bits[@]}" "$@"
fi

ready="$work/editor-ready"
done_file="$work/editor-done"
rm -f "$ready" "$done_file"

bash "$here/run-under-wine.sh" "${bits[@]}" "$work" "$host" --editor "$dll" "$ready" "$done_file" &
runner=$!

for _ in $(seq 1 600); do
    [ -f "$ready" ] && break
    kill -0 "$runner" 2>/dev/null || break
    sleep 0.1
done

status=0
if [ -f "$ready" ]; then
    import -window root -crop 556x503+0+0 +repage "$screenshot"
    colours="$(convert "$screenshot" -format %k info:)"
    echo "editor screenshot $screenshot: $colours colours"
    if [ "$colours" -lt 50 ]; then
        echo "the editor drew almost nothing"
        status=1
    fi
else
    echo "the editor never reported ready"
    status=1
fi

touch "$done_file"
wait "$runner" || status=1
exit "$status"
