#!/usr/bin/env bash
# The version resource and the manifest of a Windows library of the plug-in,
# read back with icoutils' wrestool: fixed file version 1.2.0.0 and product
# version 0.0.0.0, the five strings in a US English, UTF-8 string table, and a
# manifest (id 2) that runs the library at its invoker's level.
#   check-version-resource.sh DLL WORK-DIRECTORY
set -euo pipefail

dll="$1"
work="$2"
mkdir -p "$work"
failed=0

fail()
{
    echo "$1"
    failed=1
}

listing="$(wrestool -l "$dll")"
echo "$listing"
grep -q -- "--type=16 --name=1 --language=1033" <<<"$listing" || fail "no version resource 1 in language 0x0409"
grep -q -- "--type=24 --name=2 --language=1033" <<<"$listing" || fail "no manifest resource 2 in language 0x0409"

version="$work/$(basename "$dll").version-resource.bin"
wrestool -x --raw --type=16 "$dll" >"$version"

# VS_FIXEDFILEINFO follows its signature 0xFEEF04BD: structure version, then the
# file version (most, least significant word) and the product version.
words="$(od -An -v -tx4 "$version" | tr -s ' \n' '\n' | grep -v '^$')"
fixed="$(grep -A5 '^feef04bd$' <<<"$words" | tail -4 | tr '\n' ' ')"
[ "$fixed" = "00010002 00000000 00000000 00000000 " ] || fail "fixed versions are '$fixed', expected file 1.2.0.0, product 0.0.0.0"

# The translation word: language 0x0409, code page 65001 (UTF-8).
grep -q '^fde90409$' <<<"$words" || fail "no translation 0x0409 / 65001"

# The string table, its key and every value (UTF-16 in the file, one per line
# here; a key's line starts with the binary length and type words before it).
texts="$(iconv -f UTF-16LE -t UTF-8 "$version" | tr -s '\0' '\n')"
grep -qE "(^|[^0-9A-Za-z])0409FDE9$" <<<"$texts" || fail "no string table 0409FDE9"

value_of()
{
    grep -A1 -E "(^|[^A-Za-z])$1$" <<<"$texts" | sed -n 2p
}

for pair in "CompanyName=Korvanne" "FileDescription=Velorin" "FileVersion=1.2.0" "ProductName=Velorin" "ProductVersion=1.2.0"; do
    key="${pair%%=*}"
    expected="${pair#*=}"
    actual="$(value_of "$key")"
    [ "$actual" = "$expected" ] || fail "$key is '$actual', expected '$expected'"
done

manifest="$(wrestool -x --raw --type=24 --name=2 "$dll")"
grep -q 'requestedExecutionLevel level="asInvoker"' <<<"$manifest" || fail "the manifest does not ask for the invoker's level"

if [ "$failed" -eq 0 ]; then
    echo "version resource 1.2.0.0 / 0.0.0.0 with its five strings, UTF-8, 0x0409; manifest asInvoker"
fi
exit "$failed"
