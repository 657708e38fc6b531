#!/usr/bin/env bash
# Installs what the Windows builds need, from Debian only: the mingw-w64 cross
# compilers for 32-bit and 64-bit Windows (posix threads, for std::mutex), zlib for
# mingw, and libpng, libjpeg-turbo and pugixml built for each mingw target from
# Debian's own source packages into a prefix of the project's (static libraries
# only). Idempotent and non-interactive: a second run finds everything in place
# and does nothing.
#   tools/setup-windows.sh [x86] [x64]   only these targets (default: both)
#   VELORIN_MINGW_ROOT   where the mingw libraries go, in mingw-i686/ and
#                        mingw-x86_64/ (default /opt/velorin)
set -euo pipefail

root="${VELORIN_MINGW_ROOT:-/opt/velorin}"
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(x86 x64)
fi

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/windows-targets.sh"

packages=(libz-mingw-w64-dev cmake ninja-build dpkg-dev zip)
for target in "${targets[@]}"; do
    velorin_windows_target "$target"
    packages+=(g++-mingw-w64-$mingw_package-posix gcc-mingw-w64-$mingw_package-posix
        binutils-mingw-w64-$mingw_package mingw-w64-$mingw_package-dev)
done

source "$here/packages.sh"
velorin_install_packages setup-windows "${packages[@]}"

# The mingw libraries are rebuilt only when this recipe changes: each prefix's
# stamp holds the recipe's checksum and the source versions it was built from.
recipe="$(sha256sum "${BASH_SOURCE[0]}" | cut -d' ' -f1)"
stale=()
for target in "${targets[@]}"; do
    velorin_windows_target "$target"
    stamp="$root/mingw-$mingw_cpu/.built-by"
    if [ ! -f "$stamp" ] || [ "$(head -1 "$stamp")" != "$recipe" ]; then
        stale+=("$target")
    fi
done

if [ ${#stale[@]} -eq 0 ]; then
    exit 0
fi

# Debian's source packages for the suite already configured.
sources_file=/etc/apt/sources.list.d/velorin-deb-src.sources
if [ -z "$(apt-cache showsrc libpng1.6 2>/dev/null)" ]; then
    echo "setup-windows: adding deb-src entries for $(. /etc/os-release && echo "$VERSION_CODENAME")"
    codename="$(. /etc/os-release && echo "$VERSION_CODENAME")"
    $sudo tee "$sources_file" >/dev/null <<SOURCES
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $codename $codename-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: $codename-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    $sudo apt-get update
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# build_with_cmake SOURCE-DIRECTORY CMAKE-OPTIONS...   for the target last chosen
build_with_cmake()
{
    local source="$1" build="$1/build-$mingw_cpu"
    shift
    cmake -S "$source" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$here/../cmake/mingw-$mingw_cpu.cmake" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_PREFIX_PATH="/usr/$host" "$@"
    cmake --build "$build"
    $sudo cmake --install "$build"
}

# The newest version whose files the mirror still has.
fetch_source()
{
    local package="$1" version
    for version in $(apt-cache showsrc "$package" | sed -n 's/^Version: //p' | sort -r -V); do
        if (cd "$work" && apt-get source --download-only "$package=$version" >/dev/null 2>&1); then
            echo "setup-windows: $package $version" >&2
            echo "$package=$version"
            return 0
        fi
    done
    echo "setup-windows: no source of $package could be fetched" >&2
    return 1
}

built_from="$(fetch_source libpng1.6) $(fetch_source libjpeg-turbo) $(fetch_source pugixml)"
(
    cd "$work"
    for dsc in *.dsc; do
        dpkg-source --no-check -x "$dsc"
    done
)

build_libraries()
{
    prefix="$root/mingw-$mingw_cpu"
    host="$mingw_cpu-w64-mingw32"
    $sudo mkdir -p "$prefix"

    # Static only, without the SIMD code (which needs nasm) or the tools. Like
    # Debian's own package, with the private header that a reader with
    # JPEG_INTERNALS (the framework's JPEG loader) includes.
    jpeg_source="$(find "$work" -maxdepth 1 -type d -name 'libjpeg-turbo-*' | head -1)"
    build_with_cmake "$jpeg_source" -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF
    $sudo install -m 644 "$jpeg_source/jpegint.h" "$prefix/include/"

    # The framework's JPEG reader includes jpeglib.h inside a namespace of its own,
    # after windows.h, and needs "boolean" declared in that namespace. The Windows
    # jconfig.h skips its typedef once rpcndr.h has declared the same unsigned char
    # globally; the installed one always declares it.
    $sudo sed -i 's|^#ifndef __RPCNDR_H__ .*|#if 1 /* boolean: declared in every scope that includes this */|' "$prefix/include/jconfig.h"
    grep -q '^#if 1 /\* boolean' "$prefix/include/jconfig.h"

    build_with_cmake "$(find "$work" -maxdepth 1 -type d -name 'libpng1.6-*' | head -1)" \
        -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DZLIB_ROOT="/usr/$host" -DZLIB_LIBRARY="/usr/$host/lib/libz.a" -DZLIB_INCLUDE_DIR="/usr/$host/include"

    build_with_cmake "$(find "$work" -maxdepth 1 -type d -name 'pugixml-*' | head -1)" \
        -DBUILD_SHARED_LIBS=OFF -DPUGIXML_BUILD_TESTS=OFF

    printf '%s\n%s\n' "$recipe" "$built_from" | $sudo tee "$prefix/.built-by" >/dev/null
    echo "setup-windows: mingw libpng, libjpeg-turbo and pugixml in $prefix"
}

for target in "${stale[@]}"; do
    velorin_windows_target "$target"
    build_libraries
done
