#!/usr/bin/env bash
# The core of the smoke test on a real Wayland compositor: sway, headless,
# with the program on Qt's Wayland plugin. It starts the program, types a
# name, runs the calculation, opens dialogs with Alt keys and Ctrl+S, hands a
# report over from a second copy through the session bus and checks that the
# window opened it and has the focus, and ends through the tell-a-friend
# window. sway refuses to run as root: as root, the test runs sway and the
# program as an unprivileged user it creates.
#   wayland.sh PROGRAM [SCREENSHOT-FOLDER]
set -euo pipefail
# shellcheck source=tests/smoke/lib.sh
source "$(dirname "$(readlink -f "$0")")/lib.sh"

program=$(readlink -f "$1")
shots=${2:-$(pwd)/smoke-screenshots}
mkdir -p "$shots"
work=$(mktemp -d)
chmod 711 "$work"
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT

as=()
if [ "$(id -u)" -eq 0 ]; then
    user=velmora-smoke
    id "$user" >/dev/null 2>&1 || useradd --system -M -d /nonexistent -s /usr/sbin/nologin "$user"
    as=(setpriv --reuid="$user" --regid="$user" --clear-groups)
fi
home=$work/home
runtime=$home/runtime
mkdir -m 700 "$home" "$runtime"
[ ${#as[@]} -eq 0 ] || chown -R "$user:" "$home"
# A checkout in root's home is closed to that user: it runs a copy of the
# program, and reads a copy of the leak suppressions a sanitized build names.
if [ ${#as[@]} -gt 0 ] && ! "${as[@]}" test -x "$program"; then
    install -m 755 "$program" "$work/tavi-velmora"
    program=$work/tavi-velmora
fi
if [[ "${LSAN_OPTIONS:-}" =~ suppressions=([^:]*) ]] && [ -f "${BASH_REMATCH[1]}" ]; then
    install -m 644 "${BASH_REMATCH[1]}" "$work/lsan.supp"
    LSAN_OPTIONS=${LSAN_OPTIONS//${BASH_REMATCH[1]}/$work/lsan.supp}
fi

# Runs a command as the session's user, in the session's environment. Run
# in the background, it becomes the command itself (exec), so that $! is the
# command and the end of the test ends it.
session() {
    (exec_session "$@")
}
exec_session() {
    exec "${as[@]}" env -i PATH=/usr/local/bin:/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$runtime" \
        XDG_CONFIG_HOME="$home/config" WAYLAND_DISPLAY=wayland-1 DBUS_SESSION_BUS_ADDRESS="unix:path=$runtime/bus" \
        SWAYSOCK="$runtime/sway.sock" QT_QPA_PLATFORM=wayland LANG=C.UTF-8 \
        ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" LSAN_OPTIONS="${LSAN_OPTIONS:-}" "$@"
}

fail() {
    echo "wayland: $*" >&2
    for log in sway app second; do
        [ -s "$work/$log.log" ] && sed "s/^/wayland: $log: /" "$work/$log.log" >&2
    done
    session grim "$runtime/failure.png" 2>/dev/null && cp "$runtime/failure.png" "$shots/wayland-failure.png" || true
    exit 1
}

# Waits until the condition (a command) holds, up to the seconds given.
wait_until() { # seconds, what, command...
    local seconds=$1 what=$2
    shift 2
    poll_until "$seconds" "$@" || fail "$what: not after $seconds s"
}

# The windows sway shows, one a line: "focused|-" TAB title.
windows() {
    session swaymsg -t get_tree -r 2>/dev/null | python3 -c '
import json, sys
def walk(node):
    if node.get("pid") and node.get("name") is not None:
        print(("focused" if node.get("focused") else "-") + "\t" + node["name"])
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}
count_windows() { windows | cut -f2 | grep -cx "$1" || true; }
has_windows() { [ "$(count_windows "$1")" -eq "$2" ]; }
focused_is() { windows | grep -qx "focused	$1"; }
# A new virtual keyboard takes a moment before its first key counts.
keys() { session wtype -s 100 "$@"; }

printf 'output HEADLESS-1 resolution 1024x768\nxwayland disable\nfocus_on_window_activation focus\n' >"$work/sway.conf"
chmod 644 "$work/sway.conf"
write_bus_config "$work/bus.conf"
exec_session dbus-daemon --config-file="$work/bus.conf" --nofork --nopidfile --address="unix:path=$runtime/bus" >"$work/dbus.log" 2>&1 &
pids+=($!)
exec_session env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$work/sway.conf" \
    >"$work/sway.log" 2>&1 &
pids+=($!)
# sway listens for IPC at $SWAYSOCK.
wait_until 10 "sway and the session bus" sh -c "test -S '$runtime/wayland-1' && test -S '$runtime/sway.sock' && test -S '$runtime/bus'"

printf 'Mrkq\r\n\r\nVplwk\r\n7\r\n6\r\nPdufk\r\n4<;3\r\n' >"$home/john.vlm"
chmod 644 "$home/john.vlm"

main="Tavi Velmora v1.0"
exec_session "$program" >"$work/app.log" 2>&1 &
app=$!
pids+=($app)
wait_until 20 "the main window" focused_is "$main"
session grim "$runtime/input.png" && cp "$runtime/input.png" "$shots/wayland-input-page.png"

keys John -k Tab -k Tab Smith -M alt g -m alt
session grim "$runtime/result.png" && cp "$runtime/result.png" "$shots/wayland-result-page.png"
# Ctrl+S opens the save dialog on the result page only.
keys -M ctrl s -m ctrl
wait_until 10 "Ctrl+S after Alt+G: the save dialog" focused_is Velmora
keys -k Escape
wait_until 10 "the save dialog closing" has_windows Velmora 0
keys -M alt h -m alt a
wait_until 10 "Alt+H A: the about box" has_windows "$main" 2
keys -k Escape
wait_until 10 "the about box closing" has_windows "$main" 1
keys -M alt d -m alt -M alt o -m alt
wait_until 10 "Alt+D, Alt+O: the open dialog" focused_is "Select the source file"
keys -k Escape
wait_until 10 "the open dialog closing" focused_is "$main"

# A second copy hands its report over and ends at once with status 0; the
# running copy shows it and has the focus.
status=0
session timeout 20 "$program" "$home/john.vlm" >"$work/second.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the second copy ended with status $status"
[ "$(count_windows "Tavi Velmora")" -eq 0 ] || fail "the hand-over showed a message"
wait_until 10 "the main window after the hand-over" focused_is "$main"
keys -M ctrl s -m ctrl
wait_until 10 "Ctrl+S after the hand-over: the save dialog" focused_is Velmora
keys -k Escape
wait_until 10 "the save dialog closing" focused_is "$main"

# Ctrl+Q: the tell-a-friend window, whose Exit ends the program.
keys -M ctrl q -m ctrl
wait_until 10 "the tell-a-friend window" focused_is "$main"
keys -M alt x -m alt
wait_until 10 "the program's end" sh -c "! kill -0 $app 2>/dev/null"
wait "$app" || fail "the program ended with status $?"
echo "wayland: passed (sway $(sway --version | sed 's/.* //'), Qt's Wayland plugin)"
