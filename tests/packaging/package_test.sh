#!/usr/bin/env bash
# The install, the desktop files, the manual page and the Debian package, in one run:
#  1. `cmake --install` of the build tree into a temporary prefix gives exactly the
#     expected files, the help page and the changelog among them, and a program that
#     starts offscreen;
#  2. both validators accept the desktop entry and the metainfo, which speak every
#     language of po/ and agree with the install and with the release in
#     packaging/debian/changelog;
#  3. mandoc, groff and man have nothing to say about the manual page;
#  4. the package, built in two build folders from the same source, is the same file byte
#     for byte, holds its dependencies and the expected files, and lintian reports nothing above
#     info level;
#  5. as root, apt-get installs it, the program starts, man finds and renders its page,
#     and apt-get purge leaves the system as it was. Without root, or when morvane is
#     already installed here, only this part is left out and the test counts as skipped.
# Usage: package_test.sh <build-dir> <source-dir>
set -euo pipefail
. "$(dirname "$0")/common.sh"
build=$(realpath "$1") source=$(realpath "$2")
app_id=example.orrindale.Morvane
changelog=$source/packaging/debian/changelog

# Every file an install puts under its prefix, relative to it, sorted. The package holds
# the same under usr/.
expected_files() {
    sort <<LIST
bin/kestrin
share/applications/$app_id.desktop
share/doc/morvane/changelog.gz
share/doc/morvane/copyright
share/icons/hicolor/16x16/apps/$app_id.png
share/icons/hicolor/32x32/apps/$app_id.png
share/icons/hicolor/64x64/apps/$app_id.png
share/icons/hicolor/scalable/apps/$app_id.svg
share/man/man1/kestrin.1.gz
share/metainfo/$app_id.metainfo.xml
share/morvane/index.htm
$(for language in $(grep -v '^#' "$source/po/LINGUAS"); do echo "share/morvane/index.$language.htm"; done)
LIST
}

# Files (and links) under a directory, relative to it, sorted.
files_under() {
    (cd "$1" && find . \( -type f -o -type l \) | sed 's|^\./||' | sort)
}

# Runs a command with its output in <log>, and shows that log if the command fails.
logged() { # log command...
    local log=$1
    shift
    "$@" >"$log" 2>&1 || { cat "$log" >&2; fail "$* failed"; }
}

# Fails if a file holds anything, showing it.
expect_empty() { # file what
    [ -s "$1" ] || return 0
    cat "$1" >&2
    fail "$2"
}

# Runs a program offscreen, from an empty directory, for three seconds and fails unless it
# is still running then: timeout's status 124 means it had to stop it, anything else that
# the program exited or crashed on its own.
expect_still_running() { # program
    local program=$1 status=0 cwd
    cwd=$(mktemp -d -p "$work")
    (cd "$cwd" && QT_QPA_PLATFORM=offscreen timeout -k 5 3 "$program") >"$work/kestrin.log" 2>&1 || status=$?
    if [ "$status" -ne 124 ]; then
        cat "$work/kestrin.log" >&2
        fail "$program ended with status $status within 3 seconds instead of running until stopped (124)"
    fi
}

# gzip -n leaves the flags (4th byte; 8 would mean a file name follows) and the time stamp
# (the next four) at zero, so the same text always compresses to the same bytes.
expect_reproducible_gzip() { # file
    local header
    header=$(od -An -tu1 -j3 -N5 "$1" | tr -s ' ')
    [ "$header" = " 0 0 0 0 0" ] || fail "$1 has a file name or time stamp in its gzip header (bytes 3-7:$header)"
}

for tool in cmake cpack ninja gzip desktop-file-validate appstreamcli mandoc groff man lintian \
    dpkg-deb dpkg-shlibdeps dpkg-parsechangelog hardening-check; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps test installs it)"
done

work=$(mktemp -d)
installed_here=no
cleanup() {
    # Whatever failed, do not leave the package behind.
    if [ "$installed_here" = yes ]; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y morvane >/dev/null 2>&1 ||
            dpkg --purge morvane >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# The release as Debian's own parser reads the changelog; CMake reads it on its own.
version=$(dpkg-parsechangelog -l "$changelog" -S Version)
release_date=$(date -u -d "$(dpkg-parsechangelog -l "$changelog" -S Date | cut -d' ' -f2-4)" +%F)

# 1. The install.
prefix=$work/prefix
logged "$work/install.log" cmake --install "$build" --prefix "$prefix"
diff -u <(expected_files) <(files_under "$prefix") >&2 ||
    fail "the install holds other files than expected (- missing, + unexpected)"

cmp -s "$prefix/share/morvane/index.htm" "$source/resources/help/index.htm" || fail "the help page is not installed"
for page in share/doc/morvane/changelog.gz share/man/man1/kestrin.1.gz; do
    expect_reproducible_gzip "$prefix/$page"
done
cmp -s <(gzip -dc "$prefix/share/doc/morvane/changelog.gz") "$changelog" ||
    fail "share/doc/morvane/changelog.gz does not hold packaging/debian/changelog"
expect_still_running "$prefix/bin/kestrin"
echo "installed $(expected_files | wc -l) files; kestrin starts from $prefix/bin"

# 2. The desktop entry and the metainfo.
desktop=$prefix/share/applications/$app_id.desktop
metainfo=$prefix/share/metainfo/$app_id.metainfo.xml
# desktop-file-validate exits 0 on mere warnings and hints, so any output is a failure.
desktop-file-validate "$desktop" >"$work/desktop.log" 2>&1 || echo "exit status $?" >>"$work/desktop.log"
expect_empty "$work/desktop.log" "desktop-file-validate found problems"

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
for language in $(grep -v '^#' "$source/po/LINGUAS"); do
    grep -q "^Name\[$language\]=" "$desktop" && grep -q "<summary xml:lang=\"$language\">" "$metainfo" ||
        fail "the desktop entry or the metainfo is not in $language"
done

exec_program=$(desktop_value "$desktop" Exec | cut -d' ' -f1)
[ -x "$prefix/bin/$exec_program" ] || fail "Exec=$exec_program is not an installed program"
releases=$(grep -o '<release [^>]*>' "$metainfo" | sed 's| */>|/>|')
[ "$releases" = "<release version=\"$version\" date=\"$release_date\"/>" ] ||
    fail "metainfo releases '$releases', the changelog $version of $release_date"
echo "desktop entry and metainfo valid, consistent, and at release $version of $release_date"

# 3. The manual page, checked by both formatters and by man as lintian runs it.
man_source=$work/kestrin.1
gzip -dc "$prefix/share/man/man1/kestrin.1.gz" >"$man_source"
mandoc -T lint -W all "$man_source" >"$work/mandoc.log" 2>&1 || true
expect_empty "$work/mandoc.log" "mandoc -T lint found problems in kestrin(1)"
groff -man -ww -z "$man_source" >"$work/groff.log" 2>&1 || echo "exit status $?" >>"$work/groff.log"
expect_empty "$work/groff.log" "groff -ww found problems in kestrin(1)"
LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$man_source" \
    >/dev/null 2>"$work/man.log" || echo "exit status $?" >>"$work/man.log"
expect_empty "$work/man.log" "man --warnings found problems in kestrin(1)"
title=$(sed -n 's/^\.TH KESTRIN 1 \([^ ]*\) "Morvane \([^"]*\)".*/\1 \2/p' "$man_source")
[ "$title" = "$release_date $version" ] || fail "kestrin(1) is dated and versioned '$title', the changelog '$release_date $version'"
if ! grep -q '^\.I /usr/share/morvane/index\.htm$' "$man_source" || ! expected_files | grep -qx share/morvane/index.htm; then
    fail "kestrin(1) does not name the help page where the install puts it"
fi
echo "kestrin(1) formats without warnings"

# 4. The package, built twice: once from the source, once from a copy of it in another
# folder whose files all have other time stamps, as a second checkout would. With the time
# stamps in the package taken from the last commit, the two files must be the same. The
# folders stay in the build tree, and the copy takes only the files that changed, stamped
# anew, so that a later run rebuilds only what changed; ccache, where it is installed,
# spares the compiler even that.
epoch=$(git -C "$source" log -1 --format=%ct 2>/dev/null) ||
    epoch=$(dpkg-parsechangelog -l "$changelog" -S Timestamp)
launcher=
command -v ccache >/dev/null && launcher=ccache
build_package() { # source-folder build-folder
    logged "$work/package.log" cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DBUILD_TESTING=OFF -DMORVANE_BUILD_BENCHMARKS=OFF -DCMAKE_CXX_COMPILER_LAUNCHER=$launcher \
        -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
    logged "$work/package.log" cmake --build "$2"
    rm -rf "$2/out"
    logged "$work/package.log" env SOURCE_DATE_EPOCH="$epoch" cpack --config "$2/CPackConfig.cmake" -G DEB -B "$2/out"
    [ -f "$2/out/$deb_name" ] || fail "cpack made $(cd "$2/out" && echo *.deb), not $deb_name"
}
arch=$(dpkg --print-architecture)
deb_name=morvane_${version}_${arch}.deb
copy=$build/package-test/source
copy_checkout "$source" "$copy" "$build"
build_package "$source" "$build/package-test/first"
build_package "$copy" "$build/package-test/second"
packages=("$build/package-test/first/out/$deb_name" "$build/package-test/second/out/$deb_name")
deb=${packages[0]}
if ! cmp "${packages[@]}" >&2; then
    for i in 0 1; do dpkg-deb -R "${packages[$i]}" "$work/unpacked$i"; done
    diff -r "$work/unpacked0" "$work/unpacked1" >&2 || true
    fail "the builds of the source and of its copy gave different packages"
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = morvane ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version), the changelog $version"
for needed in fonts-liberation libqt6widgets6 libqt6gui6 libqt6core6; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$(field Depends)" || fail "Depends lacks $needed: $(field Depends)"
done
[ "$(field Recommends)" = "qt6-wayland, qt6-translations-l10n, fonts-noto-cjk | fonts-wqy-microhei" ] || fail "Recommends: $(field Recommends)"

dpkg-deb -x "$deb" "$work/root"
diff -u <(expected_files | sed 's|^|usr/|') <(files_under "$work/root") >&2 ||
    fail "the package holds other files than expected (- missing, + unexpected)"

# lintian prints every tag, info and pedantic ones too, for the log; errors and warnings fail.
status=0
lintian --display-info --pedantic --fail-on error,warning "$deb" >"$work/lintian.log" 2>"$work/lintian.err" || status=$?
cat "$work/lintian.log"
if [ "$status" -ne 0 ] || grep -q '^[EW]: ' "$work/lintian.log"; then
    cat "$work/lintian.err" >&2
    fail "lintian rejects $deb_name (status $status)"
fi
echo "$deb_name ($(stat -c %s "$deb") bytes, sha256 $(sha256sum "$deb" | cut -d" " -f1)) built alike twice; lintian passes it"

# The packaged program carries the protections of Debian's own packages (hardening=+all):
# hardening-check says yes to each. Its fortify line can say yes only where the program
# calls the C library with a destination of a size known when compiling; the program's
# copies are the C++ library's, sized as it runs (memcpy, memmove, memset), which no
# compiler can fortify. Where that line says no, then, only those may be named, and every
# file of the program must have been compiled with -D_FORTIFY_SOURCE=2 all the same.
hardening-check -v "$work/root/usr/bin/kestrin" >"$work/hardening.log" 2>&1 || true
cat "$work/hardening.log"
for protection in 'Position Independent Executable' 'Stack protected' 'Read-only relocations' 'Immediate binding'; do
    grep -q "^ $protection: yes" "$work/hardening.log" || fail "hardening-check: $protection is not yes"
done
if ! grep -q '^ Fortify Source functions: yes' "$work/hardening.log"; then
    unprotected=$(sed -n 's/^\tunprotected: //p' "$work/hardening.log" | sort | tr '\n' ' ')
    [ "$unprotected" = "memcpy memmove memset " ] || fail "hardening-check finds these unfortified: $unprotected"
    commands=$build/package-test/first/compile_commands.json
    grep -q '"command": .*/src/[a-z0-9]*/[a-z0-9_]*\.cpp' "$commands" || fail "$commands names no file of src/"
    if grep '"command": .*/src/' "$commands" | grep -v -- '-D_FORTIFY_SOURCE=2' | grep -q .; then
        fail "files of src/ were compiled without -D_FORTIFY_SOURCE=2"
    fi
fi
echo "kestrin: a position-independent executable, its stack protected, compiled to fortify its C library calls," \
    "its relocations read-only and bound at start-up"

# 5. The package on this machine.
if [ "$(id -u)" -ne 0 ]; then
    skip "everything but installing the package passed; installing it needs root"
fi
if dpkg-query -W morvane >/dev/null 2>&1; then
    skip "everything but installing the package passed; morvane is already known to dpkg here, so it is left alone"
fi

# Which of the package's paths exist before it is installed, to compare after the purge.
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|; s|/$||' | grep -v '^$' | sort >"$work/paths"
presence() {
    while read -r path; do
        if [ -e "$path" ]; then echo "present $path"; else echo "absent $path"; fi
    done <"$work/paths"
}
presence >"$work/before"

apt() { DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=120 "$@"; }
installed_here=yes
# apt-get takes a local package only by a path with a slash in it; $deb is absolute.
logged "$work/apt-install.log" apt install -y "$deb"
dpkg-query -W -f='${Status}' morvane | grep -q "install ok installed" || fail "morvane is not installed"
diff -u <(grep -v '^/\.$' "$work/paths") <(dpkg -L morvane | grep -v '^/\.$' | sort) >&2 ||
    fail "dpkg -L morvane does not list what the package holds"
expect_still_running /usr/bin/kestrin

[ "$(man -w kestrin)" = /usr/share/man/man1/kestrin.1.gz ] || fail "man -w kestrin finds '$(man -w kestrin)'"
LC_ALL=C.UTF-8 MANWIDTH=80 MANPAGER=cat man --warnings kestrin >"$work/man.txt" 2>"$work/man.log" ||
    echo "exit status $?" >>"$work/man.log"
expect_empty "$work/man.log" "man kestrin complained"
grep -q '^ *kestrin - feng shui reading' "$work/man.txt" || fail "man kestrin did not show the page"

logged "$work/apt-purge.log" apt purge -y morvane
installed_here=no
if dpkg-query -W morvane >/dev/null 2>&1; then
    fail "dpkg still knows morvane after the purge: $(dpkg-query -W -f='${Status}' morvane)"
fi
presence >"$work/after"
diff -u "$work/before" "$work/after" >&2 || fail "the purge left the system different from before the install"
echo "$deb_name installed, started, its manual page shown, and purged cleanly"
