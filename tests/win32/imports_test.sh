#!/usr/bin/env bash
# Checks that each program imports only DLLs that come with Windows and none of MinGW's
# runtime (libstdc++, libgcc, winpthread), so that it runs from a bare folder.
# Usage: imports_test.sh <objdump> <program.exe>...
set -euo pipefail
objdump=$1
shift
windows_dlls='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|ole32|oleaut32|shlwapi|uxtheme|msvcrt)\.dll$'

for program in "$@"; do
    dlls=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p')
    [ -n "$dlls" ] || { echo "$program: no imports found" >&2; exit 1; }
    for dll in $dlls; do
        [[ ${dll,,} =~ $windows_dlls ]] || { echo "$program imports $dll, which Windows lacks" >&2; exit 1; }
    done
    echo "$(basename "$program") imports only Windows' own DLLs:" $dlls
done
