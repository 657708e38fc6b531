#!/usr/bin/env bash
# Packs one architecture's Windows plug-ins, built by tools/build-windows.sh, into
# a zip file with a text saying where each file goes and the font's licence. The
# files carry the time of the commit, so that packing one build twice gives the
# same bytes.
#   tools/dist-windows.sh x86|x64 BUILD-DIRECTORY ZIP-FILE
set -euo pipefail

target="$1" tree="$2" archive="$3"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
products="$tree/plugin/Velorin_artefacts/Release"

case "$target" in
    x86) plugins=("$products/VST/Velorin_32bit.dll") ;;
    x64) plugins=("$products/VST3/Velorin.vst3" "$products/VST/Velorin.dll") ;;
    *)
        echo "unknown Windows target '$target': x86 or x64" >&2
        exit 1
        ;;
esac

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

cp -R "${plugins[@]}" "$stage/"
# Windows' own editor wants its line ends.
sed 's/$/\r/' "$here/windows-dist/INSTALL-$target.txt" >"$stage/INSTALL.txt"
sed 's/$/\r/' "$here/../resources/LICENSE-Roboto.txt" >"$stage/LICENSE-Roboto.txt"

commit_time="$(git -C "$here/.." log -1 --format=%ct 2>/dev/null || echo 0)"
find "$stage" -exec touch -h -d "@$commit_time" {} +

mkdir -p "$(dirname "$archive")"
archive="$(cd "$(dirname "$archive")" && pwd)/$(basename "$archive")"
rm -f "$archive"
# Sorted names, no extra fields (owners, access times), times in UTC.
(cd "$stage" && find . -mindepth 1 | sed 's|^\./||' | LC_ALL=C sort | TZ=UTC zip -q -X -D "$archive" -@)
echo "$archive"
