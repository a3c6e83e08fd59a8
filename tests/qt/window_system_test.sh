#!/usr/bin/env bash
# Starts kestrin under both Linux window systems and checks what the desktop sees of its
# main window. On X11 (Xvfb): the class matches the desktop entry's StartupWMClass, the
# title is exactly the program's own, and the icon comes in all three drawn sizes. As a
# native Wayland client (weston, headless): an xdg_toplevel with that title, a fixed size
# and the desktop entry's name as app id, so that docks show the entry's icon.
# Usage: window_system_test.sh <kestrin> <desktop-file>
set -euo pipefail
kestrin=$1 desktop=$2
title=' Morvane 1.5'

fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in Xvfb xdotool xprop weston; do
    command -v "$tool" >/dev/null || { echo "SKIP: no $tool (scripts/install-deps test installs it)"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

wait_for() { # seconds command...: polls until the command succeeds
    local tries=$(($1 * 10))
    shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}

# X11. Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -nolisten tcp -screen 0 800x600x24 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for 10 test -s "$work/display" || { cat "$work/xvfb.log" >&2; fail "Xvfb did not start"; }
(cd "$work" && DISPLAY=:$(head -n 1 "$work/display") QT_QPA_PLATFORM=xcb exec "$kestrin") >"$work/x11.log" 2>&1 &
x11_kestrin=$!
pids+=($x11_kestrin)
export DISPLAY=:$(head -n 1 "$work/display")
window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$x11_kestrin" 2>/dev/null | head -n 1) || true
[ -n "$window" ] || { cat "$work/x11.log" >&2; fail "kestrin showed no X11 window"; }

property() { xprop -id "$window" "$1" | sed -n 's/^[^=]* = //p'; }
wm_class=$(property WM_CLASS)
wanted_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ "${wm_class##*, }" = "\"$wanted_class\"" ] ||
    fail "X11 window class is $wm_class; the desktop entry expects StartupWMClass=$wanted_class"
[ "$(property _NET_WM_NAME)" = "\"$title\"" ] || fail "X11 window title is $(property _NET_WM_NAME)"
icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -V | tr '\n' ' ')
[ "$icons" = "Icon (16 x 16) Icon (32 x 32) Icon (64 x 64) " ] || fail "X11 window icon sizes: ${icons:-none}"
kill -0 "$x11_kestrin" 2>/dev/null || fail "kestrin ended while its X11 window was examined"
echo "X11: class $wm_class, title \"$title\", $icons"

# Wayland, with the client's protocol log (WAYLAND_DEBUG) as the record of what it asked.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
weston --no-config --backend=headless-backend.so --socket=kestrin-test --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
wait_for 20 test -S "$XDG_RUNTIME_DIR/kestrin-test" || { cat "$work/weston.log" >&2; fail "weston did not start"; }
(cd "$work" && WAYLAND_DISPLAY=kestrin-test QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=1 exec "$kestrin") \
    >"$work/wayland.log" 2>&1 &
wayland_kestrin=$!
pids+=($wayland_kestrin)
# The compositor's first configure of the toplevel comes after everything the client set.
wait_for 30 grep -q 'xdg_toplevel@[0-9]*\.configure(' "$work/wayland.log" ||
    { tail -n 20 "$work/wayland.log" >&2; fail "kestrin showed no Wayland toplevel"; }

request() { # name: the arguments of the first such xdg_toplevel request
    sed -n "s/.*-> xdg_toplevel@[0-9]*\.$1(\(.*\))$/\1/p" "$work/wayland.log" | head -n 1
}
app_id=$(basename "$desktop" .desktop)
[ "$(request set_title)" = "\"$title\"" ] || fail "Wayland title is $(request set_title)"
[ "$(request set_app_id)" = "\"$app_id\"" ] || fail "Wayland app id is $(request set_app_id), not \"$app_id\""
[ "$(request set_min_size)" = "478, 444" ] || fail "Wayland minimum size is $(request set_min_size)"
[ "$(request set_max_size)" = "478, 444" ] || fail "Wayland maximum size is $(request set_max_size)"
kill -0 "$wayland_kestrin" 2>/dev/null || fail "kestrin ended while its Wayland window was examined"
echo "Wayland: xdg_toplevel \"$title\", app id $app_id, fixed at 478 x 444"
