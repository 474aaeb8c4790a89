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
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT

fail() {
    echo "wayland: $*" >&2
    for log in sway app second; do
        [ -s "$work/$log.log" ] && sed "s/^/wayland: $log: /" "$work/$log.log" >&2
    done
    session grim "$runtime/failure.png" 2>/dev/null && cp "$runtime/failure.png" "$shots/wayland-failure.png" || true
    exit 1
}

start_wayland_session
program=$(session_program "$program")
# A sanitized build names its leak suppressions, which the session's user reads a copy of.
if [[ "${LSAN_OPTIONS:-}" =~ suppressions=([^:]*) ]] && [ -f "${BASH_REMATCH[1]}" ]; then
    install -m 644 "${BASH_REMATCH[1]}" "$work/lsan.supp"
    LSAN_OPTIONS=${LSAN_OPTIONS//${BASH_REMATCH[1]}/$work/lsan.supp}
fi

# Waits until the condition (a command) holds, up to the seconds given.
wait_until() { # seconds, what, command...
    local seconds=$1 what=$2
    shift 2
    poll_until "$seconds" "$@" || fail "$what: not after $seconds s"
}
# A new virtual keyboard takes a moment before its first key counts.
keys() { session wtype -s 100 "$@"; }

printf 'Mrkq\r\n\r\nVplwk\r\n7\r\n6\r\nPdufk\r\n4<;3\r\n' >"$home/john.vlm"
chmod 644 "$home/john.vlm"

main="Tavi Velmora v1.0"
exec_session "$program" >"$work/app.log" 2>&1 &
app=$!
pids+=("$app")
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
