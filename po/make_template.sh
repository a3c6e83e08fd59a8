#!/usr/bin/env bash
# Prints the catalogues' template: the program's own texts, then those of the desktop
# entry and the AppStream metadata.
# Usage: make_template.sh <write_template> <source folder>
set -euo pipefail
write_template=$1 source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$write_template" > "$work/program.pot"
xgettext --omit-header --no-wrap --add-location=never -L Desktop \
    -o "$work/desktop.pot" "$source/packaging/example.orrindale.Morvane.desktop"
xgettext --omit-header --no-wrap --add-location=never --its=/usr/share/gettext/its/metainfo.its \
    -o "$work/metainfo.pot" "$source/packaging/example.orrindale.Morvane.metainfo.xml.in"
msgcat --use-first --no-wrap "$work/program.pot" "$work/desktop.pot" "$work/metainfo.pot"
