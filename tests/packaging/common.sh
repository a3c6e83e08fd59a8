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

# Keeps <copy> a copy of the checkout in <source>, as a second checkout in another folder
# would be: the files git tracks or would (less what is deleted; without git, everything
# but the build trees). Only files that changed are copied, stamped anew, so that a build
# of the copy redoes only what changed.
copy_checkout() { # source copy build
    local source=$1 copy=$2 build=$3 list
    list=$(mktemp)
    if git -C "$source" rev-parse --show-toplevel >/dev/null 2>&1; then
        git -C "$source" ls-files -z --cached --others --exclude-standard |
            while IFS= read -r -d '' file; do [ ! -e "$source/$file" ] || printf '%s\0' "$file"; done
    else
        (cd "$source" && find . \( -path ./build -o -path "./${build#"$source"/}" \) -prune -o -type f -printf '%P\0')
    fi | sort -z >"$list"
    mkdir -p "$copy"
    while IFS= read -r -d '' file; do
        if ! cmp -s "$source/$file" "$copy/$file"; then
            mkdir -p "$(dirname "$copy/$file")"
            cp "$source/$file" "$copy/$file"
        fi
    done <"$list"
    (cd "$copy" && find . -type f -printf '%P\0' | sort -z) | comm -z -13 "$list" - | (cd "$copy" && xargs -0 -r rm --)
    rm -f "$list"
}
