#!/usr/bin/env bash
# The catalogues: the template lists exactly the texts of the program as it stands (its own
# list, then the desktop entry's and the AppStream metadata's); each catalogue of po/
# passes msgfmt --check, translates every text of the template and nothing else, and holds
# no fuzzy or empty translation.
# Usage: catalogue_test.sh <write_template> <source folder>
set -euo pipefail
write_template=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

bash "$source/po/make_template.sh" "$write_template" "$source" >"$work/morvane.pot"
diff -u "$source/po/morvane.pot" "$work/morvane.pot" ||
    fail "po/morvane.pot is not the program's list of texts (cmake --build --preset default --target po_template)"
for catalogue in "$source"/po/*.po; do
    name=$(basename "$catalogue" .po)
    grep -qx "$name" "$source/po/LINGUAS" || fail "$name is not in po/LINGUAS"
    statistics=$(msgfmt --check --statistics -o /dev/null "$catalogue" 2>&1) || fail "$name: $statistics"
    [[ $statistics =~ ^[0-9]+\ translated\ messages?\.$ ]] || fail "$name: $statistics"
    msgcmp "$catalogue" "$source/po/morvane.pot" || fail "$name misses texts of the template"
    ! msgmerge --quiet --no-fuzzy-matching "$catalogue" "$source/po/morvane.pot" | grep -q '^#~' ||
        fail "$name has texts the template has not"
    echo "$name: $statistics"
done
