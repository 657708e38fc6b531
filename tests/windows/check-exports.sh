#!/usr/bin/env bash
# The export table of Velorin_32bit.dll, read back with the mingw objdump: exactly
# nine names with ordinals 1 to 9 as the AAX and VST hosts look them up, and
# "main" at the same address as VSTPluginMain.
set -euo pipefail

dll="$1"
headers="$(i686-w64-mingw32-objdump -p "$dll")"
table="$(sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$headers" | grep -E '^\s+\[ *[0-9]+\]')"
addresses="$(sed -n '/Export Address Table -- Ordinal Base/,/^$/p' <<<"$headers")"
base="$(sed -n -E 's/.*Ordinal Base ([0-9]+).*/\1/p' <<<"$headers")"

expected="_ACFCanUnloadNow@4 1
_ACFGetClassFactory@16 2
_ACFGetSDKVersion@4 3
_ACFRegisterComponent@12 4
_ACFRegisterPlugin@8 5
_ACFShutdown@4 6
_ACFStartup@4 7
VSTPluginMain 8
main 9"

# Lines read "[   0] _ACFCanUnloadNow@4", with the ordinal less the base.
actual="$(echo "$table" | sed -E 's/^\s*\[ *([0-9]+)\] (.+)$/\2 \1/' | while read -r name index; do
    echo "$name $((index + base))"
done | sort)"
failed=0

if [ "$actual" != "$(echo "$expected" | sort)" ]; then
    echo "export names and ordinals differ:"
    diff <(echo "$expected" | sort) <(echo "$actual") || true
    failed=1
fi

# Address table lines read "	[   7] +base[   8] 1234abcd Export RVA".
rva_of()
{
    echo "$addresses" | sed -n -E "s/.*\+base\[ *$1\] ([0-9a-f]+) Export RVA.*/\1/p"
}

vst_rva="$(rva_of 8)"
main_rva="$(rva_of 9)"
if [ -z "$vst_rva" ] || [ "$vst_rva" != "$main_rva" ]; then
    echo "VSTPluginMain at '$vst_rva' and main at '$main_rva' are not one address"
    failed=1
fi

count="$(echo "$table" | grep -c '\[')"
if [ "$count" -ne 9 ]; then
    echo "$count exports, expected 9"
    failed=1
fi

if [ "$failed" -eq 0 ]; then
    echo "nine exports with their ordinals; VSTPluginMain and main at $vst_rva"
fi
exit "$failed"
