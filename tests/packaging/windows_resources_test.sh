#!/usr/bin/env bash
# Compiles the Windows resource script with MinGW windres, both to a .res and to the COFF
# object a MinGW link takes, then decompiles the .res and checks the version information
# and icon group that Explorer shows. Runs from an empty directory, so the icon path
# must resolve relative to the script.
# Usage: windows_resources_test.sh <windres> <preprocessor> <kestrin.rc>
set -euo pipefail
. "$(dirname "$0")/common.sh"
windres=$1 preprocessor=$2 rc=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# windres preprocesses with the MinGW gcc by default; the host compiler does as well, as
# the script needs no Windows headers.
options=(--preprocessor="$preprocessor" --preprocessor-arg=-E --preprocessor-arg=-xc
         --preprocessor-arg=-DRC_INVOKED)
"$windres" "${options[@]}" -i "$rc" -O res -o kestrin.res || fail "windres could not compile $rc to a .res"
"$windres" "${options[@]}" -i "$rc" -O coff -o kestrin.o || fail "windres could not compile $rc to an object"
objdump=${windres%windres}objdump
if command -v "$objdump" >/dev/null; then
    "$objdump" -h kestrin.o | grep -q ' \.rsrc ' || fail "kestrin.o has no .rsrc section"
fi

"$windres" -J res -i kestrin.res -O rc -o kestrin.decompiled.rc || fail "windres could not read back kestrin.res"
expect() { # text that the decompiled script must hold
    grep -Fq -- "$1" kestrin.decompiled.rc || { cat kestrin.decompiled.rc >&2; fail "compiled resources lack: $1"; }
}
expect 'FILEVERSION 1, 0, 0, 0'
expect 'PRODUCTVERSION 1, 0, 0, 0'
expect 'BLOCK "040904B0"'
expect 'VALUE "CompanyName", "Orrindale"'
expect 'VALUE "FileDescription", "'
expect 'VALUE "FileVersion", "1.00"'
expect 'VALUE "InternalName", "kestrin"'
expect 'VALUE "OriginalFilename", "kestrin.exe"'
expect 'VALUE "ProductName", "Telquist 1.0"'
expect 'VALUE "ProductVersion", "1.00"'
expect 'VALUE "Translation", 0x409, 1200'
grep -Eq 'VALUE "LegalCopyright", ".*Orrindale.*"' kestrin.decompiled.rc || fail "LegalCopyright does not name Orrindale"
# One icon group holding a 32x32 and a 16x16 image (sizes written in octal).
expect 'RT_GROUP_ICON'
expect 'Has 2 elements'
expect '"\040\040'
expect '"\020\020'
echo "kestrin.rc compiles; version information and icon group as expected"
