#!/usr/bin/env bash
# Reads the resources back out of the built kestrin.exe and checks what Explorer and
# Windows take from them: the version information, the icon group at 16, 32, 48 and 256,
# the pointing hand's hot spot (0, 0) at both sizes, and the manifest's promises.
# Usage: resources_test.sh <windres> <kestrin.exe> <version, as 1.0.0>
set -euo pipefail
windres=$1 program=$2 version=$3
fail() { echo "FAIL: $*" >&2; exit 1; }

resources=$("$windres" -i "$program" -O rc) || fail "windres could not read the resources of $program"
expect() { # text that the decompiled resources must hold
    grep -Fq -- "$1" <<<"$resources" || fail "kestrin.exe's resources lack: $1"
}
IFS=. read -r major minor patch <<<"$version"
text=$major.$(printf %02d "$minor")
expect "FILEVERSION $major, $minor, $patch, 0"
expect "PRODUCTVERSION $major, $minor, $patch, 0"
expect 'BLOCK "040904B0"'
expect 'VALUE "CompanyName", "Orrindale"'
expect "VALUE \"FileVersion\", \"$text\""
expect 'VALUE "InternalName", "kestrin"'
expect 'VALUE "OriginalFilename", "kestrin.exe"'
expect "VALUE \"ProductName\", \"Telquist $major.$minor\""
expect "VALUE \"ProductVersion\", \"$text\""
expect 'VALUE "Translation", 0x409, 1200'
grep -Eq 'VALUE "LegalCopyright", ".*Orrindale.*"' <<<"$resources" || fail "LegalCopyright does not name Orrindale"

# The icon group's entries: width and height in octal escapes, 0 standing for 256.
icons=$(sed -n '/RT_GROUP_ICON/,/^END/p' <<<"$resources")
grep -q 'Has 4 elements' <<<"$icons" || fail "the icon group does not hold four sizes"
for size in '\020\020' '\040\040' '\060\060' '\000\000'; do
    grep -Fq "\"$size" <<<"$icons" || fail "the icon group lacks the size $size"
done
[ "$(grep -c 'Hotspot x: 0, y: 0' <<<"$resources")" -eq 2 ] || fail "the hand's hot spots are not (0, 0)"

manifest=$(sed -n '/RT_MANIFEST/,/^END/p' <<<"$resources")
for promise in Microsoft.Windows.Common-Controls PerMonitorV2 UTF-8 8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a; do
    grep -Fq "$promise" <<<"$manifest" || fail "the manifest does not say $promise"
done
echo "kestrin.exe: version $text, icon at 16, 32, 48 and 256, hand cursor at (0, 0), manifest as promised"
