#!/usr/bin/env bash
# The Windows packages, as a Windows user meets them, in one run:
#  1. the ZIP holds exactly the program, its help pages and the licence;
#  2. a second build of a copy of the source, in another folder, gives the same program,
#     ZIP and installer byte for byte (time stamps taken from the last commit);
#  3. in a fresh Wine prefix, the installer runs silently and puts the files into Program
#     Files\Morvane, a Start-menu shortcut "Morvane" that starts the program in that folder,
#     and an Apps & features entry; the installed program comes up with its main window;
#  4. the uninstaller runs silently and leaves no file, no shortcut and no entry.
# Usage: package_test.sh <build-dir> <source-dir>
set -euo pipefail
. "$(dirname "$0")/../packaging/common.sh"
build=$(realpath "$1") source=$(realpath "$2")
wine_run=$source/tests/win32/wine-run
for tool in makensis unzip xdotool Xvfb; do
    command -v "$tool" >/dev/null || skip "no $tool (scripts/install-deps test installs it)"
done

work=$(mktemp -d)
pids=()
cleanup() {
    WINEPREFIX=$work/wine wineserver -k 2>/dev/null || true
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
logged() { # log command...: the command's output goes to the log, shown if it fails
    local log=$1
    shift
    "$@" >"$log" 2>&1 || { cat "$log" >&2; fail "$* failed"; }
}

# 1 and 2. The packages of this build and of a build of a copy of the source.
epoch=$(git -C "$source" log -1 --format=%ct 2>/dev/null) || epoch=0
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
name=Morvane-$version-win64
package() { # build-folder out-folder
    logged "$work/cpack.log" env SOURCE_DATE_EPOCH="$epoch" cpack --config "$1/CPackConfig.cmake" -B "$2"
}
package "$build" "$work/first"
sorted() { LC_ALL=C sort | tr '\n' ' '; }
help_pages=$(for language in $(grep -v '^#' "$source/po/LINGUAS"); do echo "index.$language.htm"; done)
files=$(printf '%s\n' LICENSE.txt index.htm $help_pages kestrin.exe | sorted) # a help page for each language
[ "$(unzip -Z1 "$work/first/$name.zip" | sorted)" = "$files" ] ||
    fail "the ZIP holds: $(unzip -Z1 "$work/first/$name.zip" | tr '\n' ' ')"
echo "$name.zip holds $files"

copy=$build/package-test/source second=$build/package-test/second
copy_checkout "$source" "$copy" "$build"
logged "$work/build.log" env -C "$copy" cmake --preset windows -B "$second" -DBUILD_TESTING=OFF
logged "$work/build.log" cmake --build "$second" --target kestrin
package "$second" "$work/second"
for file in bin/kestrin.exe; do
    cmp "$build/$file" "$second/$file" || fail "the two builds made different $file"
done
for file in "$name.zip" "$name.exe"; do
    cmp "$work/first/$file" "$work/second/$file" || fail "the two builds made different $file"
done
echo "two builds in two folders made the same kestrin.exe, $name.zip and $name.exe"

# 3. Installing into a fresh prefix; then the program on a display of the test's own,
# which every Wine process after the installer's shares.
export WINEPREFIX=$work/wine WINEDEBUG=-all
logged "$work/install.log" "$wine_run" "$WINEPREFIX" "$work/first/$name.exe" /S
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$work/display")
folder=$WINEPREFIX/drive_c/Program\ Files/Morvane
shortcut=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Morvane.lnk
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Morvane'
[ "$(ls "$folder" | sorted)" = "$(printf '%s\n' $files Uninstall.exe | sorted)" ] ||
    fail "Program Files\\Morvane holds: $(ls "$folder" | tr '\n' ' ')"
cmp -s "$folder/kestrin.exe" "$build/bin/kestrin.exe" || fail "the installed kestrin.exe is not the built one"

# The shortcut's target (its link information's local path) and working folder (one of
# the counted UTF-16 strings after it), read from the .lnk file.
mapfile -t link < <(python3 - "$shortcut" <<'PYTHON'
import struct, sys
data = open(sys.argv[1], "rb").read()
flags = struct.unpack_from("<I", data, 20)[0]
at = 76  # after the header
if flags & 0x01:  # the target's ID list
    at += 2 + struct.unpack_from("<H", data, at)[0]
info = at
target = ""
if flags & 0x02:  # the link information, with the target's local path
    at += struct.unpack_from("<I", data, info)[0]
    path = info + struct.unpack_from("<I", data, info + 16)[0]
    target = data[path:data.index(b"\0", path)].decode("latin-1")
strings = {}
for bit in (0x04, 0x08, 0x10, 0x20, 0x40):  # name, relative path, working folder, arguments, icon
    if flags & bit:
        count = struct.unpack_from("<H", data, at)[0]
        strings[bit] = data[at + 2:at + 2 + 2 * count].decode("utf-16-le")
        at += 2 + 2 * count
print(target)
print(strings.get(0x10, ""))
PYTHON
)
[ "${link[0]}" = 'C:\Program Files\Morvane\kestrin.exe' ] || fail "the shortcut starts '${link[0]}'"
[ "${link[1]}" = 'C:\Program Files\Morvane' ] || fail "the shortcut starts the program in '${link[1]}'"
echo "the Start-menu shortcut Morvane starts kestrin.exe in C:\\Program Files\\Morvane"

entry=$(wine reg query "$key" /reg:64 2>/dev/null | tr -d '\r')
for value in 'DisplayName    REG_SZ    Morvane' 'Publisher    REG_SZ    Orrindale' \
    "DisplayVersion    REG_SZ    $version" 'DisplayIcon    REG_SZ    C:\Program Files\Morvane\kestrin.exe' \
    'URLInfoAbout    REG_SZ    https://www.orrindale.example' 'EstimatedSize    REG_DWORD    0x' \
    'UninstallString    REG_SZ    "C:\Program Files\Morvane\Uninstall.exe"'; do
    grep -Fq -- "$value" <<<"$entry" || { echo "$entry" >&2; fail "the Apps & features entry lacks: $value"; }
done
echo "the Apps & features entry names Morvane $version by Orrindale, its icon, address and size"

(cd "$folder" && exec wine kestrin.exe) >/dev/null 2>&1 &
timeout 30 xdotool search --sync --name '^ Morvane 1.5$' >/dev/null || fail "the installed program showed no main window"
wineserver -k
echo "the installed kestrin.exe comes up with its main window"

# 4. Uninstalling: the uninstaller copies itself away and runs from there, so wait for all.
logged "$work/uninstall.log" wine "C:\\Program Files\\Morvane\\Uninstall.exe" /S
wineserver -w
[ ! -e "$folder" ] || fail "the uninstaller left: $(ls "$folder")"
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut"
! wine reg query "$key" /reg:64 >/dev/null 2>&1 || fail "the uninstaller left the Apps & features entry"
echo "the uninstaller left no file, no shortcut and no entry"
