#!/usr/bin/env bash
# The export table of a Windows library, read back with the mingw objdump:
# exactly the given names with their ordinals, as hosts look them up, "main" at
# the same address as VSTPluginMain where both are exported, the architecture
# given, and imports from Windows' own libraries only (the MinGW runtime and the
# image libraries are linked in).
#   check-exports.sh OBJDUMP LIBRARY FILE-FORMAT NAME=ORDINAL...
set -euo pipefail

objdump="$1" dll="$2" format="$3"
shift 3
headers="$("$objdump" -p "$dll")"
table="$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" | grep -E '^\s+\[ *[0-9]+\]')"
addresses="$(sed -n '/Export Address Table -- Ordinal Base/,/^$/p' <<<"$headers")"
base="$(sed -n -E 's/.*Ordinal Base ([0-9]+).*/\1/p' <<<"$headers")"
expected="$(printf '%s\n' "$@" | sed 's/=/ /' | sort)"
failed=0

if ! grep -q "file format $format\$" <<<"$headers"; then
    echo "not a $format library: $(grep -m1 'file format' <<<"$headers")"
    failed=1
fi

# Lines read "[   0] _ACFCanUnloadNow@4", with the ordinal less the base.
actual="$(echo "$table" | sed -E 's/^\s*\[ *([0-9]+)\] (.+)$/\2 \1/' | while read -r name index; do
    echo "$name $((index + base))"
done | sort)"

if [ "$actual" != "$expected" ]; then
    echo "export names and ordinals differ:"
    diff <(echo "$expected") <(echo "$actual") || true
    failed=1
fi

# Address table lines read "	[   7] +base[   8] 1234abcd Export RVA".
rva_of()
{
    echo "$addresses" | sed -n -E "s/.*\+base\[ *$1\] ([0-9a-f]+) Export RVA.*/\1/p"
}

ordinal_of()
{
    echo "$expected" | sed -n "s/^$1 //p"
}

if [ -n "$(ordinal_of main)" ]; then
    vst_rva="$(rva_of "$(ordinal_of VSTPluginMain)")"
    main_rva="$(rva_of "$(ordinal_of main)")"
    if [ -z "$vst_rva" ] || [ "$vst_rva" != "$main_rva" ]; then
        echo "VSTPluginMain at '$vst_rva' and main at '$main_rva' are not one address"
        failed=1
    fi
fi

system_libraries="advapi32 comdlg32 dxgi gdi32 imm32 kernel32 msvcrt ole32 oleaut32 shell32 shlwapi user32 version wininet winmm ws2_32 wsock32"
for imported in $(sed -n -E 's/^\s*DLL Name: (.+)\.dll$/\1/Ip' <<<"$headers" | tr 'A-Z' 'a-z'); do
    if ! grep -qw "$imported" <<<"$system_libraries"; then
        echo "imports $imported.dll, which Windows does not have"
        failed=1
    fi
done

if [ "$failed" -eq 0 ]; then
    echo "$format, exports: $(echo "$expected" | tr '\n' ' '); imports Windows' own libraries only"
fi
exit "$failed"
