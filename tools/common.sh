# Shared by the project's scripts: installs what the build needs and configures
# and builds the one build tree that the plug-ins, the tools and the tests share.

velorin_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
velorin_build="${VELORIN_BUILD_DIR:-$velorin_root/build}"
velorin_windows_build="${VELORIN_WINDOWS_BUILD_DIR:-$velorin_root/build-win32}"
velorin_windows_x64_build="${VELORIN_WINDOWS_X64_BUILD_DIR:-$velorin_root/build-win64}"

# JUCE's modules are included by absolute path: a base directory lets ccache
# reuse objects between checkouts in different places.
export CCACHE_BASEDIR="$velorin_root"
export CCACHE_NOHASHDIR=1

velorin_setup()
{
    bash "$velorin_root/tools/setup.sh"
}

velorin_build_all()
{
    cmake -S "$velorin_root" -B "$velorin_build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
    cmake --build "$velorin_build"
}
