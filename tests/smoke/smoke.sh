#!/usr/bin/env bash
# Drives the real program in a real X server (Xvfb, xcb platform plugin):
# waits for the main window, types a name, picks a date, runs the calculation
# with Alt+G, saves the reading (the Save button exists only on the result
# page, so its dialog proves the page is in front), takes screenshots, and
# closes the program through File > Exit and the tell-a-friend window.
#   smoke.sh PROGRAM [SCREENSHOT-FOLDER]
set -euo pipefail

program=$(readlink -f "$1")
shots=${2:-$(pwd)/smoke-screenshots}
mkdir -p "$shots"
work=$(mktemp -d)
app= xvfb=
trap 'kill "$app" "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
    echo "smoke: $*" >&2
    [ -s "$work/app.log" ] && sed 's/^/smoke: program: /' "$work/app.log" >&2
    [ -s "$work/xvfb.log" ] && sed 's/^/smoke: Xvfb: /' "$work/xvfb.log" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$shots/failure.png" 2>/dev/null || true
    exit 1
}

visible_windows() { # title: the ids of the shown windows with that title
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true
}

# Waits for a shown window with the title other than the ones given, prints
# its id and gives it the keyboard focus (there is no window manager to do it).
wait_for_window() { # title, seconds, ids to skip...
    local title=$1 deadline=$((SECONDS + $2)) id
    shift 2
    while :; do
        for id in $(visible_windows "$title"); do
            if [[ " $* " != *" $id "* ]]; then
                xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
                echo "$id"
                return 0
            fi
        done
        [ $SECONDS -lt $deadline ] || fail "no window \"$title\" after $2 s"
        kill -0 "$app" 2>/dev/null || fail "the program ended early"
        sleep 0.2
    done
}

# A display of its own: a free number, and a server that really answers.
start_xvfb() {
    local number tries
    for tries in 1 2 3 4 5; do
        number=$((100 + RANDOM % 800))
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
        xvfb=$!
        export DISPLAY=:$number
        for _ in $(seq 50); do
            xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
            kill -0 "$xvfb" 2>/dev/null || break
            sleep 0.1
        done
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    done
    fail "no X server could be started"
}
mkdir -m 700 "$work/runtime"
# Now and then a fresh Xvfb refuses the program's first connection although it
# answered xdotool; then the test starts over on another display.
for attempt in 1 2 3; do
    start_xvfb
    HOME=$work XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb "$program" \
        >"$work/app.log" 2>&1 &
    app=$!
    sleep 1
    if kill -0 "$app" 2>/dev/null || ! grep -q "could not connect to display" "$work/app.log"; then
        break
    fi
    echo "smoke: the program could not connect to $DISPLAY; trying another display" >&2
    kill "$xvfb" 2>/dev/null || true
    wait "$xvfb" 2>/dev/null || true
done

main=$(wait_for_window "Tavi Velmora v1.0" 30)
sleep 0.5
import -window root "$shots/input-page.png"

xdotool type --delay 30 John
xdotool key Tab Tab
xdotool type --delay 30 Smith
xdotool key Tab
for _ in $(seq 14); do xdotool key Down; done   # day 15
xdotool key Tab
for _ in $(seq 6); do xdotool key Down; done    # July
xdotool key Tab
for _ in $(seq 80); do xdotool key Down; done   # 1980
xdotool key alt+g
sleep 1
import -window root "$shots/result-page.png"

xdotool key alt+s
wait_for_window "Velmora" 10 >/dev/null
sleep 0.5
xdotool type --delay 10 "$work/john.vlm"
xdotool key Return
for _ in $(seq 50); do [ -s "$work/john.vlm" ] && break; sleep 0.1; done
[ -s "$work/john.vlm" ] || fail "the reading was not saved"
lines=$(tr -cd '\n' < "$work/john.vlm" | wc -c)
[ "$lines" -eq 7 ] || fail "the saved reading has $lines lines, not 7"

sleep 0.3
xdotool windowfocus --sync "$main"
xdotool key alt+f
sleep 0.3
xdotool key x
sleep 1
kill -0 "$app" 2>/dev/null || fail "the program ended before the tell-a-friend window closed"
[[ " $(visible_windows "Tavi Velmora v1.0" | tr '\n' ' ') " != *" $main "* ]] || fail "File > Exit left the main window open"
wait_for_window "Tavi Velmora v1.0" 10 "$main" >/dev/null
sleep 0.5
import -window root "$shots/tell-a-friend.png"
xdotool key alt+x

for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app" 2>/dev/null; then fail "the program still runs after its last window closed"; fi
wait "$app" || fail "the program ended with status $?"

# A report named on the command line opens at start-up; a second copy given a
# report hands it to the running copy, which shows it, and ends with status 0.
start_program() { # arguments...
    HOME=$work XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config QT_QPA_PLATFORM=xcb "$program" "$@"
}
expect_result_page() { # main window id, what is being checked
    xdotool windowfocus --sync "$1"
    sleep 0.3
    xdotool key ctrl+s # Save belongs to the result page only
    wait_for_window "Velmora" 10 >/dev/null || fail "$2: no result page"
    xdotool key Escape
    sleep 0.5
}
check_report_from_outside() {
    # The server resets when its last client leaves and may refuse the next one for a moment.
    local attempt
    for attempt in 1 2 3 4 5; do
        start_program "$work/john.vlm" >"$work/app.log" 2>&1 &
        app=$!
        sleep 1
        kill -0 "$app" 2>/dev/null || ! grep -q "could not connect to display" "$work/app.log" && break
        wait "$app" 2>/dev/null || true
    done
    main=$(wait_for_window "Tavi Velmora v1.0" 30)
    sleep 0.5
    expect_result_page "$main" "a report on the command line"
    xdotool windowfocus --sync "$main"
    xdotool key ctrl+p # the print dialog comes from a module loaded now
    wait_for_window "Print" 10 >/dev/null || fail "Ctrl+P opened no print dialog"
    xdotool key Escape
    sleep 0.5
    xdotool windowfocus --sync "$main"
    xdotool key alt+d # Do It Once Again: the input page
    sleep 0.5
    local status=0
    (cd "$work" && timeout 20 env HOME="$work" XDG_RUNTIME_DIR="$work/runtime" XDG_CONFIG_HOME="$work/config" \
        QT_QPA_PLATFORM=xcb "$program" john.vlm) >"$work/second.log" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "the second copy ended with status $status: $(cat "$work/second.log")"
    [ -z "$(visible_windows "Tavi Velmora")" ] || fail "the hand-over showed a message"
    sleep 0.5
    expect_result_page "$main" "a report handed over"
    xdotool windowfocus --sync "$main"
    xdotool key ctrl+q
    wait_for_window "Tavi Velmora v1.0" 10 "$main" >/dev/null
    xdotool key alt+x
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    wait "$app" || fail "the program ended with status $?"
}
check_report_from_outside

echo "smoke: passed; screenshots in $shots"
