#!/usr/bin/env bash
# `cmake --install` into a temporary prefix: exactly the expected files, each a copy of its
# source, and an installed program that starts and has its help page where it looks for
# it (<applicationDirPath>/../share/morvane/index.htm).
# Usage: install_test.sh <build-dir> <source-dir>
set -euo pipefail
. "$(dirname "$0")/common.sh"
build=$1 source=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log" >&2; fail "cmake --install failed"; }

diff -u <(installed_files) <(files_under "$prefix") >&2 ||
    fail "the install holds other files than expected (- missing, + unexpected)"

same() { # installed source
    cmp -s "$prefix/$1" "$source/$2" || fail "$1 is not a copy of $2"
}
same share/icons/hicolor/16x16/apps/example.orrindale.Morvane.png resources/pictures/morvane-16.png
same share/icons/hicolor/32x32/apps/example.orrindale.Morvane.png resources/pictures/morvane-32.png
same share/icons/hicolor/scalable/apps/example.orrindale.Morvane.svg resources/pictures/morvane.svg
same share/doc/morvane/copyright LICENSE
same share/morvane/index.htm resources/help/index.htm
[ -x "$prefix/bin/kestrin" ] || fail "bin/kestrin is not executable"

# Where the program looks for its help page, spelt the way it builds the path.
help_page="$prefix/bin/../share/morvane/index.htm"
[ -f "$help_page" ] || fail "no help page at $help_page"
grep -q '<title>Morvane help</title>' "$help_page" || fail "$help_page is not the Morvane help page"

expect_still_running "$work/kestrin.log" "$prefix/bin/kestrin"
echo "installed $(installed_files | wc -l) files; kestrin starts from $prefix/bin"
