#!/usr/bin/env bash
# Packs one architecture's zip for Windows users as tools/dist-windows.sh does and
# reads it back: exactly the given files, the plug-ins byte for byte as built, and
# a text that names the folder of each format.
#   check-zip.sh x86|x64 BUILD-DIRECTORY WORK-DIRECTORY NAME...
set -euo pipefail

target="$1" tree="$2" work="$3"
shift 3
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
products="$tree/plugin/Velorin_artefacts/Release"
archive="$work/velorin-windows-$target.zip"
unpacked="$work/unpacked-$target"
failed=0

bash "$here/../../tools/dist-windows.sh" "$target" "$tree" "$archive" >/dev/null
listed="$(cmake -E tar tf "$archive" | LC_ALL=C sort)"
expected="$(printf '%s\n' "$@" | LC_ALL=C sort)"

if [ "$listed" != "$expected" ]; then
    echo "$archive holds other files:"
    diff <(echo "$expected") <(echo "$listed") || true
    failed=1
fi

rm -rf "$unpacked"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$archive")

for name in $listed; do
    for built in "$products/VST/$name" "$products/VST3/$name"; do
        if [ -f "$built" ] && ! cmp -s "$built" "$unpacked/$name"; then
            echo "$name in the zip is not the library built"
            failed=1
        fi
    done
done

folders=("VST2 plug-ins")
if [ "$target" = x64 ]; then
    folders+=('C:\Program Files\Common Files\VST3')
fi
for folder in "${folders[@]}"; do
    if ! grep -qF "$folder" "$unpacked/INSTALL.txt"; then
        echo "INSTALL.txt does not name the folder for $folder"
        failed=1
    fi
done

if [ "$failed" -eq 0 ]; then
    echo "$(basename "$archive"): $(echo "$listed" | tr '\n' ' ')"
fi
exit "$failed"
