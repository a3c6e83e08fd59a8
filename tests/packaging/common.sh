# Shared by the packaging tests (sourced, not run).

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# CTest counts exit status 77 as skipped (SKIP_RETURN_CODE).
skip() {
    echo "SKIP: $*"
    exit 77
}

# Every file an install puts under its prefix, relative to it, sorted.
installed_files() {
    sort <<'LIST'
bin/kestrin
share/applications/example.orrindale.Morvane.desktop
share/doc/morvane/changelog.gz
share/doc/morvane/copyright
share/icons/hicolor/16x16/apps/example.orrindale.Morvane.png
share/icons/hicolor/32x32/apps/example.orrindale.Morvane.png
share/icons/hicolor/scalable/apps/example.orrindale.Morvane.svg
share/man/man1/kestrin.1.gz
share/metainfo/example.orrindale.Morvane.metainfo.xml
share/morvane/index.htm
LIST
}

# Files (and links) under a directory, relative to it, sorted.
files_under() {
    (cd "$1" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)
}

# The value of a key in a desktop entry's [Desktop Entry] group.
desktop_value() { # file key
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1"
}

# Runs a program offscreen, from an empty directory, for three seconds and fails unless it
# is still running then: timeout's status 124 means it had to stop it, anything else that
# the program exited or crashed on its own. Its output goes to <log>.
expect_still_running() { # log program
    local log=$1 program=$2 status=0 cwd
    cwd=$(mktemp -d)
    (cd "$cwd" && QT_QPA_PLATFORM=offscreen timeout -k 5 3 "$program") >"$log" 2>&1 || status=$?
    rmdir "$cwd"
    if [ "$status" -ne 124 ]; then
        cat "$log" >&2
        fail "$program ended with status $status within 3 seconds instead of running until stopped (124)"
    fi
}
