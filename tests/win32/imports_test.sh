#!/usr/bin/env bash
# Checks that each program imports only DLLs that come with Windows and none of MinGW's
# runtime (libstdc++, libgcc, winpthread), so that it runs from a bare folder; that Windows
# loads it at a random address of the whole 64-bit range and runs no data (dynamic base,
# high-entropy addresses, NX); and that it carries the stack protector, whose check stops
# the program with "stack smashing detected".
# Usage: imports_test.sh <objdump> <program.exe>...
set -euo pipefail
objdump=$1
shift
windows_dlls='^(kernel32|user32|gdi32|gdiplus|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|shlwapi|uxtheme|msvcrt)\.dll$'

for program in "$@"; do
    headers=$("$objdump" -p "$program")
    dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
    [ -n "$dlls" ] || { echo "$program: no imports found" >&2; exit 1; }
    for dll in $dlls; do
        [[ ${dll,,} =~ $windows_dlls ]] || { echo "$program imports $dll, which Windows lacks" >&2; exit 1; }
    done
    for characteristic in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
        grep -Eq "^\s+$characteristic$" <<<"$headers" || { echo "$program is not $characteristic" >&2; exit 1; }
    done
    grep -Fq 'stack smashing detected' "$program" || { echo "$program has no stack protector" >&2; exit 1; }
    echo "$(basename "$program") imports only Windows' own DLLs:" $dlls"; dynamic base, high-entropy" \
        "addresses, no executable data, stack protector"
done
