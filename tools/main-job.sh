#!/usr/bin/env bash
# Builds the plug-ins (VST2, VST3, LV2, Standalone) and the offline renderer, then
# renders the built-in demo into a B-format WAV and prints its peak levels.
#   --install   also copies the plug-ins into ~/.vst, ~/.vst3 and ~/.lv2
#   --package   also makes the Debian package build/velorin_<version>_amd64.deb
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

install=false
package=false
for argument in "$@"; do
    case "$argument" in
        --install) install=true ;;
        --package) package=true ;;
        *) echo "main-job.sh: unknown option $argument (--install or --package)" >&2; exit 2 ;;
    esac
done

velorin_setup
velorin_build_all

plugins="$velorin_build/plugin/Velorin_artefacts/Release"
demo="$velorin_build/velorin-demo-bformat.wav"

"$velorin_build/tools/render/velorin-render" --output "$demo"

echo
echo "Plug-ins are in $plugins:"
echo "  VST2        $plugins/VST/Velorin.so"
echo "  VST3        $plugins/VST3/Velorin.vst3"
echo "  LV2         $plugins/LV2/Velorin.lv2"
echo "  Standalone  $plugins/Standalone/Velorin"

if $install; then
    mkdir -p "$HOME/.vst" "$HOME/.vst3" "$HOME/.lv2"
    cp -f "$plugins/VST/Velorin.so" "$HOME/.vst/"
    rm -rf "$HOME/.vst3/Velorin.vst3" "$HOME/.lv2/Velorin.lv2"
    cp -R "$plugins/VST3/Velorin.vst3" "$HOME/.vst3/"
    cp -R "$plugins/LV2/Velorin.lv2" "$HOME/.lv2/"
    echo "Installed into $HOME/.vst, $HOME/.vst3 and $HOME/.lv2"
fi

if $package; then
    (cd "$velorin_build" && cpack -B "$velorin_build" > "$velorin_build/cpack.log") || { cat "$velorin_build/cpack.log" >&2; exit 1; }
    deb="$(sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p' "$velorin_build/cpack.log")"
    echo "Debian package: $deb"
    echo "  install it with: sudo apt install $deb"
fi
