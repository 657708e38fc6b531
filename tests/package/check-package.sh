#!/usr/bin/env bash
# The Debian package as a user meets it: built by the project's own CPack
# configuration, checked by lintian (no errors), installed with dpkg, found by
# Ardour in the system's plug-in folders in all three formats, and removed again
# with nothing left behind.
#   check-package.sh BUILD_DIR PACKAGE_FILE_NAME
# Installs into /usr, so it runs alone, needs root, and leaves a machine where
# velorin is installed already untouched.
set -euo pipefail

build="$1"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
deb_name="$2"
installed=false

skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*" >&2; exit 1; }

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
# (Output is read whole before it is searched: a search that stops early would
# break its writer's pipe, and the pipeline would fail.)
is_installed() { [ "$(dpkg-query -W -f='${Status}' velorin 2> /dev/null || true)" = "install ok installed" ]; }
is_installed && skip "velorin is installed on this machine already"
for tool in cpack lintian desktop-file-validate; do
    command -v "$tool" > /dev/null || fail "$tool is missing; tools/setup-test-tools.sh installs it"
done

scratch="$(mktemp -d "${TMPDIR:-/tmp}/velorin-package.XXXXXX")"
cleanup() { if $installed; then dpkg --purge velorin > /dev/null || true; fi; rm -rf "$scratch"; }
trap cleanup EXIT

echo "== Building $deb_name"
cpack --config "$build/CPackConfig.cmake" -B "$scratch/package" > "$scratch/cpack.log" || { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb="$scratch/package/$deb_name"
[ -f "$deb" ] || fail "cpack wrote no $deb_name"

echo "== lintian (errors fail, everything else is listed)"
lintian --fail-on error --display-info --pedantic "$deb" 2> /dev/null | sort -u || fail "lintian reports errors"

echo "== Contents"
contents="$scratch/contents"
dpkg-deb -x "$deb" "$contents"
desktop-file-validate "$contents/usr/share/applications/velorin.desktop"
manual="$(zcat "$contents/usr/share/man/man1/velorin-render.1.gz" | sed 's/\\-/-/g')"
for option in $("$contents/usr/bin/velorin-render" --help | grep -o -- '--[a-z-]*' | sort -u); do
    grep -q -- "$option" <<< "$manual" || fail "the manual page does not describe $option"
done

echo "== Installing"
installed=true
dpkg -i "$deb"
for file in /usr/lib/{lxvst/Velorin.so,vst3/Velorin.vst3/Contents/x86_64-linux/Velorin.so,lv2/Velorin.lv2/libVelorin.so} \
            /usr/bin/velorin{,-render} /usr/share/{applications/velorin.desktop,icons/hicolor/48x48/apps/velorin.png,doc/velorin/copyright}; do
    [ -f "$file" ] || fail "$file is not installed"
done
rendered="$(cd "$scratch" && velorin-render --output demo.flac)" || fail "the installed velorin-render does not render"
grep -q "24-bit FLAC" <<< "$rendered" || fail "the installed velorin-render wrote no FLAC: $rendered"
plugins="$(LV2_PATH=/usr/lib/lv2 lv2ls)"
grep -qx "https://www.korvanne.example/plugins/velorin" <<< "$plugins" || fail "lilv does not find the LV2 bundle in /usr/lib/lv2"

if [ -x /usr/bin/ardour7-lua ]; then
    echo "== Ardour, with a home of its own and the system's plug-in folders only"
    ardour=(env "HOME=$scratch/home" timeout -k 10 90)
    mkdir -p "$scratch/home"
    LD_LIBRARY_PATH=/usr/lib/ardour7 "${ardour[@]}" /usr/lib/ardour7/ardour-vst3-scanner -f /usr/lib/vst3/Velorin.vst3 > /dev/null 2>&1 || true
    LD_LIBRARY_PATH=/usr/lib/ardour7 "${ardour[@]}" /usr/lib/ardour7/ardour-vst-scanner -f /usr/lib/lxvst/Velorin.so > /dev/null 2>&1 || true

    # Ardour's tools now and then fail on their own: each step is tried a few times.
    found=""
    for attempt in 1 2 3 4; do
        rm -rf "$scratch/session"
        if "${ardour[@]}" ardour7-new_session -m 4 -s 48000 "$scratch/session" velorin > /dev/null 2>&1 \
           && found="$("${ardour[@]}" ardour7-lua "$here/find-installed.lua" "$scratch/session" velorin 2>&1 | grep -a -E '^(found|loaded) ')" \
           && [ "$(grep -c '^loaded ' <<< "$found")" -eq 3 ]; then
            break
        fi
    done
    echo "$found"
    for expected in "found VST2 /usr/lib/lxvst/Velorin.so" "found VST3 /usr/lib/vst3/Velorin.vst3/" "found LV2 " "loaded VST2" "loaded VST3" "loaded LV2"; do
        grep -q -- "^$expected" <<< "$found" || fail "Ardour: no \"$expected\""
    done
else
    echo "== Ardour 7 is not installed: its part is left out (tools/setup-ardour.sh installs it)"
fi

echo "== Removing"
dpkg --purge velorin
installed=false
is_installed && fail "velorin is still installed"
while read -r path; do
    [ -e "${path#.}" ] && [ ! -d "${path#.}" ] && fail "${path#.} is left behind"
done < <(dpkg-deb -c "$deb" | awk '{ print $6 }')
for folder in /usr/lib/lxvst /usr/lib/vst3 /usr/lib/lv2 /usr/share/doc; do
    [ -z "$(find "$folder" -maxdepth 1 -iname 'velorin*' 2> /dev/null)" ] || fail "$folder still holds Velorin"
done

echo "The package installs, is found by Ardour in all three formats and removes cleanly"
