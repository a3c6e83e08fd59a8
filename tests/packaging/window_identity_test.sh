#!/usr/bin/env bash
# Starts kestrin on a virtual X display and checks what the desktop sees of its window:
# the X11 class matches the desktop entry's StartupWMClass (so docks and task bars put
# the window under the entry), the title is exactly the program's own (nothing appended
# to it), and the window icon comes in both drawn sizes.
# Usage: window_identity_test.sh <kestrin> <desktop-file>
set -euo pipefail
. "$(dirname "$0")/common.sh"
kestrin=$1 desktop=$2

for tool in Xvfb xdotool xprop; do
    command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/install-deps test installs it)"
done

work=$(mktemp -d)
xvfb_pid='' kestrin_pid=''
cleanup() {
    [ -z "$kestrin_pid" ] || kill "$kestrin_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -nolisten tcp -screen 0 800x600x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY

(cd "$work" && QT_QPA_PLATFORM=xcb exec "$kestrin") >"$work/kestrin.log" 2>&1 &
kestrin_pid=$!
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$kestrin_pid" 2>/dev/null | head -n 1) || true
[ -n "$window" ] || { cat "$work/kestrin.log" >&2; fail "kestrin showed no window"; }

property() { # name: the value after " = "
    xprop -id "$window" "$1" | sed -n 's/^[^=]* = //p'
}
wm_class=$(property WM_CLASS)
wanted=$(desktop_value "$desktop" StartupWMClass)
[ -n "$wanted" ] || fail "$desktop has no StartupWMClass"
[ "${wm_class##*, }" = "\"$wanted\"" ] ||
    fail "window class is $wm_class; the desktop entry expects StartupWMClass=$wanted"

title=$(property _NET_WM_NAME)
[ "$title" = '" Morvane 1.5"' ] || fail "window title is $title, not \" Morvane 1.5\""

icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort | tr '\n' ' ')
[ "$icons" = "Icon (16 x 16) Icon (32 x 32) " ] || fail "window icon sizes: ${icons:-none}"

kill -0 "$kestrin_pid" 2>/dev/null || fail "kestrin ended while its window was examined"
echo "window class $wm_class, title $title, icons $icons"
