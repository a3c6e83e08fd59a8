#!/usr/bin/env bash
# Builds the Debian package with CPack, installs it with apt-get, starts the installed
# program, then purges the package and checks that everything it added is gone.
# Needs root, and leaves the machine alone when morvane is already known to dpkg.
# Usage: deb_package_test.sh <build-dir> <source-dir> <project-version>
set -euo pipefail
. "$(dirname "$0")/common.sh"
build=$1 source=$2 version=$3

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root; run ctest as root to include this test"
for tool in apt-get dpkg dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps test installs it)"
done
if dpkg-query -W morvane >/dev/null 2>&1; then
    skip "morvane is already known to dpkg here; not replacing or removing it"
fi

work=$(mktemp -d)
ours=no
cleanup() {
    # Whatever failed, do not leave the package behind.
    if [ "$ours" = yes ]; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y morvane >/dev/null 2>&1 || dpkg --purge morvane >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Package into this test's own directory; the build tree is only read.
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log" >&2; fail "cpack -G DEB failed"; }
shopt -s nullglob
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one .deb, found ${#debs[@]}"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "morvane_${version}_${arch}.deb" ] || fail "package file is named $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = morvane ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Section)" = utils ] || fail "Section: $(field Section)"
[ "$(field Maintainer)" = "Orrindale <packages@orrindale.example>" ] || fail "Maintainer: $(field Maintainer)"
depends=$(field Depends)
for needed in fonts-liberation libqt6widgets6 libqt6gui6 libqt6core6; do
    grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[ -n "$(field Description | sed 1d)" ] || fail "the package has no long description"

# The package holds the same files as an install, under /usr.
dpkg-deb -x "$deb" "$work/root"
diff -u <(installed_files | sed 's|^|usr/|') <(files_under "$work/root") >&2 ||
    fail "the package holds other files than expected (- missing, + unexpected)"

# Which of the package's paths exist before it is installed, to compare after the purge.
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|; s|/$||' | grep -v '^$' | sort >"$work/paths"
presence() {
    while read -r path; do
        if [ -e "$path" ]; then echo "present $path"; else echo "absent $path"; fi
    done <"$work/paths"
}
presence >"$work/before"

ours=yes
# apt-get takes a local package only by a path with a slash in it; $deb is absolute.
DEBIAN_FRONTEND=noninteractive apt-get install -y "$deb" >"$work/apt-install.log" 2>&1 ||
    { cat "$work/apt-install.log" >&2; fail "apt-get install $deb failed"; }
dpkg-query -W -f='${Status}' morvane | grep -q "install ok installed" || fail "morvane is not installed"

diff -u <(grep -v '^/\.$' "$work/paths") <(dpkg -L morvane | grep -v '^/\.$' | sort) >&2 ||
    fail "dpkg -L morvane does not list what the package holds"
cmp -s /usr/share/morvane/index.htm "$source/resources/help/index.htm" ||
    fail "/usr/share/morvane/index.htm is not the help page"
expect_still_running "$work/kestrin.log" /usr/bin/kestrin

DEBIAN_FRONTEND=noninteractive apt-get purge -y morvane >"$work/apt-purge.log" 2>&1 ||
    { cat "$work/apt-purge.log" >&2; fail "apt-get purge morvane failed"; }
ours=no
if dpkg-query -W morvane >/dev/null 2>&1; then
    fail "dpkg still knows morvane after the purge: $(dpkg-query -W -f='${Status}' morvane)"
fi
presence >"$work/after"
diff -u "$work/before" "$work/after" >&2 || fail "the purge left the system different from before the install"
echo "$(basename "$deb") ($(stat -c %s "$deb") bytes) installed, started and purged cleanly"
