#!/usr/bin/env bash
# Drives the real program in a real X server (Xvfb, xcb platform plugin), as
# the window system and the person see it: the exact title of every window,
# one press of every access key, the height of each open drop-down list, a
# name typed with Alt combinations in between, the calculation, saving and
# opening a reading, and closing through File > Exit and the tell-a-friend
# window. Then it measures the contrast of the texts in fixed colours in
# screenshots under the light look, a dark style and a dark palette. On the
# way it walks the accessibility tree of each window as a screen reader does,
# checks that a text another program copied survives the mouse over a
# reading, and hands reports over from a second copy, one of them with a line
# break and a byte 0xFF in its name, one while the tell-a-friend window is
# up. It waits on conditions, never a fixed time; it runs on a session bus of
# its own.
#   smoke.sh PROGRAM [SCREENSHOT-FOLDER]
set -euo pipefail
# shellcheck source=tests/smoke/lib.sh
source "$(dirname "$(readlink -f "$0")")/lib.sh"
# A bus of the test's own that starts only the services in its folder: the
# screen readers' bus, and later the program's, to have the bus start it as a
# launcher would.
on_own_session_bus "$@"

program=$(readlink -f "$1")
shots=${2:-$(pwd)/smoke-screenshots}
mkdir -p "$shots"
work=$(mktemp -d)
app= xvfb= xclip=
trap 'kill $app $xclip $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
names=$(dirname "$(readlink -f "$0")")/accessible-names.py

fail() {
    echo "smoke: $*" >&2
    [ -s "$work/app.log" ] && sed 's/^/smoke: program: /' "$work/app.log" >&2
    [ -s "$work/xvfb.log" ] && sed 's/^/smoke: Xvfb: /' "$work/xvfb.log" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$shots/failure.png" 2>/dev/null || true
    exit 1
}



# The title bar as the window system has it.
check_title() { # id, caption
    local title
    title=$(xprop -id "$1" _NET_WM_NAME 2>/dev/null | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
    [ "$title" = "$2" ] || fail "a title bar reads \"$title\" instead of \"$2\""
}


# Presses keys in the window that has the focus, then waits for the dialog or
# message box they open, checks its title bar, and closes it with a key.
expect_window() { # keys, title, closing key
    local id
    # shellcheck disable=SC2086
    xdotool key $1
    id=$(wait_for_window "$2" 10 "$main")
    check_title "$id" "$2"
    xdotool key "$3"
    wait_until_gone "$id" 10
    xdotool windowfocus --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
}

# Walks the accessibility tree of a window once it shows (with the control
# named, when given), and fails on a focusable control without a name of its
# own, or a window without a window role.
check_names() { # [role:]title, [control], what
    /usr/bin/python3 "$names" tavi-velmora 15 "$1" ${2:+"$2"} >"$work/names.log" 2>&1 \
        || fail "screen readers, $3: $(cat "$work/names.log")"
    sed "s/^/smoke: $3: /" "$work/names.log"
}

# The windows shown besides the main window and the root window: an open list
# or menu, which has no title of its own.
wait_for_popup() {
    local root
    root=$(printf '%d' "$(xwininfo -root | sed -n 's/.*Window id: \(0x[0-9a-f]*\).*/\1/p')")
    poll_until 5 popup_shown "$root" && echo "$found"
}
popup_shown() { # root window
    found=$(xdotool search --onlyvisible --name '.*' 2>/dev/null | grep -vx -e "$main" -e "$1" | head -n 1 || true)
    [ -n "$found" ]
}

# Web pages "open" through a stand-in for the desktop's opener, which notes them.
mkdir "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$work/pages" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
touch "$work/pages"
more_pages_than() { [ "$(wc -l <"$work/pages")" -gt "$1" ]; }
expect_page() { # keys, address
    local before
    before=$(wc -l <"$work/pages")
    # shellcheck disable=SC2086
    xdotool key $1
    poll_until 5 more_pages_than "$before" || true
    [ "$(tail -n 1 "$work/pages")" = "$2" ] && [ "$(wc -l <"$work/pages")" -eq $((before + 1)) ] \
        || fail "\"$1\" did not open $2 once (opened: $(tail -n +$((before + 1)) "$work/pages" | tr '\n' ' '))"
}

# Opens the drop-down list that has the focus, checks that it shows a limited
# number of rows on the screen, and closes it again.
check_list() { # what
    local id height
    xdotool key alt+Down
    id=$(wait_for_popup) || fail "the $1 list did not open"
    height=$(xdotool getwindowgeometry "$id" | sed -n 's/.*Geometry: [0-9]*x\([0-9]*\).*/\1/p')
    echo "smoke: the open $1 list is $height px high"
    [ "$height" -ge 100 ] && [ "$height" -le 300 ] || fail "the open $1 list is $height px high"
    import -window root "$shots/$1-list.png"
    xdotool key Escape
    wait_until_gone "$id" 5
}

mkdir -m 700 "$work/runtime" "$work/config"
look=()   # settings of the desktop's look, for the program's environment
# Starts the program; now and then a fresh Xvfb refuses the program's first
# connection although it answered xdotool: then it starts over on another display.
shown_or_ended() { [ -n "$(visible_windows "Tavi Velmora v1.0")" ] || ended "$app"; }
launch() { # arguments for the program
    for attempt in 1 2 3; do
        if [ -z "$xvfb" ] || ! kill -0 "$xvfb" 2>/dev/null; then start_xvfb; fi
        env "${look[@]}" PATH="$work/bin:$PATH" HOME="$work" XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=${config:-$work/config} \
            QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$program" "$@" >"$work/app.log" 2>&1 &
        app=$!
        # Started once its window shows, or once it has said it cannot connect.
        poll_until 10 shown_or_ended || true
        [ -n "$(visible_windows "Tavi Velmora v1.0")" ] && return 0
        if ! grep -q "could not connect to display" "$work/app.log"; then
            return 0
        fi
        echo "smoke: the program could not connect to $DISPLAY; trying another display" >&2
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
        xvfb=
    done
    fail "the program could not connect to any display"
}

launch
main=$(wait_for_window "Tavi Velmora v1.0" 30)
check_title "$main" "Tavi Velmora v1.0"
check_names "frame:Tavi Velmora v1.0" "Get My Velmora Result" "the input page"
import -window root "$shots/input-page.png"

# Every access key of the input page, at the first press.
expect_window alt+o "Select the source file" Escape
expect_window alt+g "Tavi Velmora" Return   # "Please Enter First Name"
expect_page alt+d https://help.orvex.example/donate.html
expect_page "alt+h o" https://www.tavi-velmora.example/tavi-free-velmora-help.html
expect_page "alt+h v" https://www.orvex.example
expect_page "alt+h u" https://www.tavi-velmora.example/download-tavi-free-velmora.html
about=$(xdotool key alt+h a && wait_for_window "Tavi Velmora v1.0" 10 "$main")
check_title "$about" "Tavi Velmora v1.0"
check_names "dialog:Tavi Velmora v1.0" OK "the about box"
import -window root "$shots/about.png"
xdotool key Escape
wait_until_gone "$about" 10
xdotool windowfocus --sync "$main"

# Alt with a key that is no access key types nothing and shows nothing.
xdotool key alt+q alt+z alt+j alt+1
xdotool type --delay 30 John
xdotool key Tab Tab
xdotool type --delay 30 Smith
xdotool key Tab
for _ in $(seq 14); do xdotool key Down; done   # day 15
check_list day
xdotool key Tab
for _ in $(seq 6); do xdotool key Down; done    # July
check_list month
xdotool key Tab
for _ in $(seq 80); do xdotool key Down; done   # 1980
check_list year
[ -z "$(visible_windows "Tavi Velmora")" ] || fail "a message box is open"
xdotool key alt+g
check_names "frame:Tavi Velmora v1.0" Save "the result page"
import -window root "$shots/result-page.png"

# What another program copied stays on the clipboard, whatever the mouse does
# over a reading.
printf 'account 12345' | xclip -quiet -loops 2 -selection clipboard -i >/dev/null 2>&1 &
xclip=$!
clipboard_reads() { [ "$(xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
poll_until 5 clipboard_reads "account 12345" || fail "the copied text never reached the clipboard"
eval "$(xdotool getwindowgeometry --shell "$main")"
for point in "100 150" "300 170" "200 200"; do
    # shellcheck disable=SC2086
    set -- $point
    xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1
done
xdotool windowfocus --sync "$main"
[ "$(xclip -o -selection clipboard 2>/dev/null)" = "account 12345" ] \
    || fail "the mouse over a reading emptied what another program had copied"
kill "$xclip" 2>/dev/null || true
xclip=

xdotool key alt+s
dialog=$(wait_for_window "Velmora" 10 "$main")
check_title "$dialog" "Velmora"
xdotool type --delay 10 "$work/john.vlm"
xdotool key Return
poll_until 5 test -s "$work/john.vlm" || fail "the reading was not saved"
lines=$(tr -cd '\n' < "$work/john.vlm" | wc -c)
[ "$lines" -eq 7 ] || fail "the saved reading has $lines lines, not 7"
wait_until_gone "$dialog" 10
xdotool windowfocus --sync "$main"

# Alt+D goes back to the input page, where Alt+O opens the saved reading again.
xdotool key alt+d alt+o
dialog=$(wait_for_window "Select the source file" 10 "$main")
xdotool type --delay 10 "$work/john.vlm"
xdotool key Return
wait_until_gone "$dialog" 10
xdotool windowfocus --sync "$main"
expect_window alt+s "Velmora" Escape   # the result page is in front again

xdotool key alt+f
wait_for_popup >/dev/null || fail "Alt+F opened no menu"
xdotool key x
old=$main
main=$(wait_for_window "Tavi Velmora v1.0" 10 "$main")
kill -0 "$app" 2>/dev/null || fail "the program ended before the tell-a-friend window closed"
wait_until_gone "$old" 10
check_title "$main" "Tavi Velmora v1.0"
check_names "frame:Tavi Velmora v1.0" Exit "the tell-a-friend window"
import -window root "$shots/tell-a-friend.png"
expect_window alt+n "Tavi Velmora" Return   # "Please Enter Proper Email Address"
xdotool key alt+x

poll_until 10 ended "$app" || fail "the program still runs after its last window closed"
wait "$app" || fail "the program ended with status $?"

# The contrast of a text drawn in a fixed colour with the commonest colour of
# the area around it (its background), measured in a screenshot.
contrast() { # image, crop geometry, red green blue of the text
    convert "$1" -crop "$2" +repage -format %c histogram:info:- | awk -v r="$3" -v g="$4" -v b="$5" '
        function lin(c) { c /= 255; return c <= 0.04045 ? c / 12.92 : ((c + 0.055) / 1.055) ^ 2.4 }
        function lum(x, y, z) { return 0.2126 * lin(x) + 0.7152 * lin(y) + 0.0722 * lin(z) }
        {
            n = $1 + 0; rgb = $2; gsub(/[()]/, "", rgb); split(rgb, c, ",")
            if (n > most) { most = n; bg = lum(c[1], c[2], c[3]) }
            d = (c[1] - r) ^ 2 + (c[2] - g) ^ 2 + (c[3] - b) ^ 2
            if (d < 1600 && n > drawn) { drawn = n; fg = lum(c[1], c[2], c[3]) }
        }
        END {
            if (!drawn) { print "0.0"; exit }
            hi = fg > bg ? fg : bg; lo = fg > bg ? bg : fg
            printf "%.1f\n", (hi + 0.05) / (lo + 0.05)
        }'
}

# Starts the program with a look, shows a reading, and checks that every text
# whose colour the program fixes reaches 4.5:1 on its background.
check_look() { # name, arguments for the program
    local name=$1 id bar figures=() what crop colour ratio
    shift
    launch "$@"
    id=$(wait_for_window "Tavi Velmora v1.0" 30)
    main=$id
    xdotool type --delay 20 John
    xdotool key Tab Tab
    xdotool type --delay 20 Smith
    xdotool key alt+g
    /usr/bin/python3 "$names" tavi-velmora 15 "frame:Tavi Velmora v1.0" Save >/dev/null || fail "$name: no result page"
    import -window "$id" "$shots/$name.png"
    bar=$(($(identify -format %h "$shots/$name.png") - 365)) # the menu bar above the client area
    if [ "$name" != light ]; then
        # The window itself must have turned dark, or nothing was measured.
        convert "$shots/$name.png" -crop "140x20+0+$((bar + 2))" +repage -colorspace Gray -format '%[fx:mean]' info: \
            | awk '{ exit !($1 < 0.4) }' || fail "$name: the window did not turn dark (is adwaita-qt6 installed?)"
    fi
    for what in "reading:590x150+20+$((bar + 93)):0 0 0" "heading:590x150+20+$((bar + 93)):0 128 0" \
                "promotion:620x36+10+$((bar + 323)):139 0 0" "link:340x25+150+$((bar + 2)):0 0 255"; do
        crop=${what#*:}
        colour=${crop#*:}
        crop=${crop%%:*}
        # shellcheck disable=SC2086
        ratio=$(contrast "$shots/$name.png" "$crop" $colour)
        figures+=("${what%%:*} $ratio:1")
        awk -v x="$ratio" 'BEGIN { exit !(x >= 4.5) }' || fail "$name: the ${what%%:*} text has a contrast of $ratio:1"
    done
    echo "smoke: $name: ${figures[*]}"
    kill "$app"
    wait "$app" 2>/dev/null || true
}

check_look light
check_look dark-style -style Adwaita-Dark
# A dark palette as a KDE desktop hands it to every Qt program (Breeze Dark).
mkdir -p "$work/kde"
cat >"$work/kde/kdeglobals" <<'EOF'
[Colors:Button]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241

[Colors:Selection]
BackgroundNormal=61,174,233
ForegroundNormal=239,240,241

[Colors:View]
BackgroundNormal=35,38,41
ForegroundNormal=239,240,241
ForegroundLink=41,128,185

[Colors:Window]
BackgroundNormal=49,54,59
ForegroundNormal=239,240,241
EOF
look=(XDG_CURRENT_DESKTOP=KDE KDE_SESSION_VERSION=5)
config=$work/kde check_look dark-palette

# A report named on the command line opens at start-up; a second copy given a
# report hands it to the running copy, which shows it, and ends with status 0,
# whatever bytes the report's name holds.
expect_result_page() { # main window id, what is being checked
    xdotool windowfocus --sync "$1"
    xdotool key ctrl+s # Save belongs to the result page only
    local dialog
    dialog=$(wait_for_window "Velmora" 10 "$1") || fail "$2: no result page"
    xdotool key Escape
    wait_until_gone "$dialog" 10
}
second_copy() { # arguments for the second copy, from the work folder
    (cd "$work" && timeout 20 env PATH="$work/bin:$PATH" HOME="$work" XDG_RUNTIME_DIR="$work/runtime" \
        XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb "$program" "$@") >"$work/second.log" 2>&1
}
hand_over() { # file name, what
    local status=0
    xdotool windowfocus --sync "$main"
    xdotool key alt+d # Do It Once Again: the input page
    second_copy "$1" || status=$?
    [ "$status" -eq 0 ] || fail "$2: the second copy ended with status $status: $(cat "$work/second.log")"
    [ -z "$(visible_windows "Tavi Velmora")" ] || fail "$2: the hand-over showed a message"
    expect_result_page "$main" "$2"
}
# While the tell-a-friend window is up, a second copy's message asks to stay
# in front as that window does, and a report handed over brings the main
# window back with it.
check_while_leaving() {
    xdotool windowfocus --sync "$main"
    xdotool key alt+d
    xdotool key ctrl+q
    friend=$(wait_for_window "Tavi Velmora v1.0" 10 "$main")
    local second box status=0
    second_copy &
    second=$!
    box=$(wait_for_window "Tavi Velmora" 10)
    xprop -id "$box" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE \
        || fail "the second copy's message does not ask to stay in front: $(xprop -id "$box" _NET_WM_STATE)"
    xdotool key Return
    wait "$second" || fail "the second copy without a file ended with status $?"
    second_copy john.vlm || status=$?
    [ "$status" -eq 0 ] || fail "a report handed over while leaving: the second copy ended with status $status"
    # A window that was closed shows again as a new X window.
    main=$(wait_for_window "Tavi Velmora v1.0" 10 "$friend")
    expect_result_page "$main" "a report handed over while leaving"
}
friend=
check_report_from_outside() {
    launch "$work/john.vlm"
    main=$(wait_for_window "Tavi Velmora v1.0" 30)
    expect_result_page "$main" "a report on the command line"
    xdotool windowfocus --sync "$main"
    xdotool key ctrl+p # the print dialog comes from a module loaded now
    local dialog
    dialog=$(wait_for_window "Print" 10) || fail "Ctrl+P opened no print dialog"
    xdotool key Escape
    wait_until_gone "$dialog" 10
    hand_over john.vlm "a report handed over"
    # The name's first line, and the name as text would spell it, are files
    # that are not reports: opening either would show a message.
    local odd
    odd=$(printf 'alice.vlm\nbob\377.vlm')
    cp "$work/john.vlm" "$work/$odd"
    printf 'not a report' >"$work/alice.vlm"
    printf 'not a report' >"$work/$(printf 'alice.vlm\nbob\357\277\275.vlm')"
    hand_over "$odd" "a report whose name holds a line break and a byte 0xFF"
    check_while_leaving
    close_program
}
close_program() {
    xdotool windowfocus --sync "$main"
    xdotool key ctrl+q
    local friend
    friend=$(wait_for_window "Tavi Velmora v1.0" 10 "$main")
    xdotool key alt+x
    if [ -n "$app" ]; then
        poll_until 10 ended "$app" || fail "the program still runs after its last window closed"
        wait "$app" || fail "the program ended with status $?"
    else
        wait_until_gone "$friend" 10
    fi
}
look=()
check_report_from_outside

# A launcher that uses D-Bus activation: the bus starts the program by its
# name, and the report the launcher asks it to open shows once the window is
# there. The program is started as the service file starts it.
printf '#!/bin/sh\nexec env PATH="%s" HOME="%s" XDG_RUNTIME_DIR="%s" XDG_CONFIG_HOME="%s" DISPLAY="%s" QT_QPA_PLATFORM=xcb "%s" --bus-activated >"%s" 2>&1\n' \
    "$work/bin:$PATH" "$work" "$work/runtime" "$work/config" "$DISPLAY" "$program" "$work/app.log" >"$work/activated"
chmod +x "$work/activated"
printf '[D-BUS Service]\nName=example.orvex.tavivelmora\nExec=%s\n' "$work/activated" \
    >"$VELMORA_SMOKE_BUS/services/example.orvex.tavivelmora.service"
timeout 20 gdbus call --session --dest example.orvex.tavivelmora --object-path /example/orvex/tavivelmora \
    --method org.freedesktop.Application.Open "['file://$work/john.vlm']" '{}' >/dev/null \
    || fail "the bus did not start the program to open a report"
app=
main=$(wait_for_window "Tavi Velmora v1.0" 30)
expect_result_page "$main" "a report opened through D-Bus activation"
close_program

echo "smoke: passed; screenshots in $shots"
