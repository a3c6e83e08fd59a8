#!/usr/bin/env bash
# The installed desktop entry and AppStream metainfo: both validators accept them, and
# they agree with each other and with the rest of the install (program, icons, version).
# Usage: desktop_files_test.sh <build-dir> <project-version>
set -euo pipefail
. "$(dirname "$0")/common.sh"
build=$1 version=$2
app_id=example.orrindale.Morvane

for tool in desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps test installs it)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }
desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml

# desktop-file-validate exits 0 on mere warnings and hints, so any output is a failure.
if ! desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 || [ -s "$work/desktop.log" ]; then
    cat "$work/desktop.log" >&2
    fail "desktop-file-validate found problems"
fi

# Pedantic AppStream checks; the only notes allowed are about the id, which keeps the
# reserved example domain and the program's capitalised name.
allowed='cid-maybe-not-rdns|cid-contains-uppercase-letter'
check_appstream() { # appstreamcli arguments...
    local status=0
    appstreamcli "$@" >"$work/appstream.log" 2>&1 || status=$?
    cat "$work/appstream.log"
    [ "$status" -eq 0 ] || fail "appstreamcli $1 exited with status $status"
    if grep -E '^ *[EWIP]: ' "$work/appstream.log" | grep -Evq " ($allowed) "; then
        fail "appstreamcli $1 reported issues"
    fi
}
check_appstream validate --no-net --pedantic "$metainfo"
check_appstream validate-tree --no-net --pedantic "$prefix"

# The entry starts the installed program and names installed icons.
exec_program=$(desktop_value "$desktop" Exec | cut -d' ' -f1)
[ -x "$prefix/bin/$exec_program" ] || fail "Exec=$exec_program is not an installed program"
icon=$(desktop_value "$desktop" Icon)
for size in 16x16/apps/$icon.png 32x32/apps/$icon.png scalable/apps/$icon.svg; do
    [ -f "$prefix/share/icons/hicolor/$size" ] || fail "Icon=$icon but no $size in the hicolor theme"
done

# The metainfo describes this entry and program, at the project's version.
xml_text() { # element
    sed -n "s:.*<$1\( [^>]*\)\?>\([^<]*\)</$1>.*:\2:p" "$metainfo"
}
[ "$(xml_text id)" = "$app_id" ] || fail "metainfo id is '$(xml_text id)', not $app_id"
[ "$(xml_text launchable)" = "$app_id.desktop" ] || fail "metainfo launches '$(xml_text launchable)'"
binary=$(xml_text binary)
[ -x "$prefix/bin/$binary" ] || fail "metainfo provides binary '$binary', which is not installed"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo has no release $version"
echo "desktop entry and metainfo valid and consistent"
