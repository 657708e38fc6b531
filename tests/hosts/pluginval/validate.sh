#!/usr/bin/env bash
# Runs the community's plug-in validator on one built format, in-process, at its
# strictest, on a virtual display of its own with no window manager (as a CI
# machine or a headless validation farm has it), and keeps its log.
#   validate.sh VALIDATOR FORMAT PLUGIN LOG-DIRECTORY
# FORMAT is VST2, VST3 or LV2; an LV2 plug-in is given as its bundle and found by
# its URI, the only way the validator's LV2 host finds plug-ins.
set -euo pipefail

validator="$1" format="$2" plugin="$3" logs="$4"

if [ ! -x "$validator" ]; then
    echo "pluginval is not built for this machine ($validator): skipped"
    exit 77
fi

rm -rf "$logs"
mkdir -p "$logs"
target="$plugin"

if [ "$format" = LV2 ]; then
    # Its LV2 host looks only in ~/.lv2, /usr/lib/lv2 and /usr/local/lib/lv2.
    export HOME="$logs/home"
    mkdir -p "$HOME/.lv2"
    cp -R "$plugin" "$HOME/.lv2/"
    target="https://www.korvanne.example/plugins/velorin"
fi

status=0
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24" \
    "$validator" --strictness-level 10 --validate-in-process --output-dir "$logs" --validate "$target" \
    > "$logs/pluginval.txt" 2>&1 || status=$?

tail -n 25 "$logs/pluginval.txt"

if grep -q "X Error\|JUCE Assertion" "$logs/pluginval.txt"; then
    echo "the host's output holds an X error or a framework assertion (whole log: $logs/pluginval.txt)"
    status=1
fi

exit "$status"
