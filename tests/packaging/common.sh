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

# The value of a key in a desktop entry's [Desktop Entry] group.
desktop_value() { # file key
    sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1"
}
