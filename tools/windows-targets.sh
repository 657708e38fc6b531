# The two Windows targets, by the names the scripts take: x86 (32-bit, the
# library Velorin_32bit.dll) and x64 (64-bit, Velorin.vst3 and Velorin.dll).

# velorin_windows_target x86|x64   sets mingw_cpu (the compilers' processor name,
# also naming the toolchain file and the library prefix) and mingw_package (the
# same in Debian's package names)
velorin_windows_target()
{
    case "$1" in
        x86) mingw_cpu=i686 mingw_package=i686 ;;
        x64) mingw_cpu=x86_64 mingw_package=x86-64 ;;
        *)
            echo "unknown Windows target '$1': x86 or x64" >&2
            return 1
            ;;
    esac
}
