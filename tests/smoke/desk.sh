#!/usr/bin/env bash
# The practitioner's desk on a real display, as a person meets it: on X11
# (Xvfb) or on headless Wayland (sway), each on a session bus of its own. A
# book of three clients made beforehand by the command-line tool; the desk
# started on it finds a client as a search is typed, opens them, shows the
# Life Path and Destiny the tool gives under the classic and the Chaldean
# system, steps the forecast a month to the Personal Year and Month the tool
# gives, compares the client with a second person, saves the report as a PDF
# through its file dialog (read back with pdftotext, and noted in the
# client's history), and walks the accessibility tree of every page as a
# screen reader does. A second start brings the running desk to the front and
# ends; the next start comes back to the client and system last shown, in a
# dark style. A screenshot of each page in each look goes to the folder. It
# waits on conditions, never a fixed time.
#   desk.sh x11|wayland DESK TOOL OTHER-PROGRAM [SCREENSHOT-FOLDER]
# OTHER-PROGRAM is any other window of the package, shown to take the focus
# from the desk before the second start.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
# shellcheck source=tests/smoke/lib.sh
source "$here/lib.sh"
platform=$1
case $platform in
x11) on_own_session_bus "$@" ;;
wayland) ;;
*) echo "usage: desk.sh x11|wayland DESK TOOL OTHER-PROGRAM [SCREENSHOT-FOLDER]" >&2; exit 2 ;;
esac
desk=$(readlink -f "$2")
cli=$(readlink -f "$3")
other=$(readlink -f "$4")
shots=${5:-$(pwd)/smoke-screenshots}
mkdir -p "$shots"
work=$(mktemp -d)
pids=() app='' xvfb=''
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
began=$SECONDS
title="Tavi Velmora Desk"

say() { echo "desk-$platform: $*"; }
fail() {
    say "$*" >&2
    for log in app second other xvfb sway; do
        [ -s "$work/$log.log" ] && sed "s/^/desk-$platform: $log: /" "$work/$log.log" >&2
    done
    shot failure 2>/dev/null || true
    exit 1
}

# The session: the desk's data, settings and runtime folders under a home of
# its own; programs run through run (or exec_run, in the background, so that
# $! is the program).
if [ "$platform" = x11 ]; then
    home=$work/home
    runtime=$home/runtime
    mkdir -m 700 "$home" "$runtime"
    start_xvfb
    pids+=("$xvfb")
    exec_run() {
        exec env HOME="$home" XDG_RUNTIME_DIR="$runtime" XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" \
            QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=C.UTF-8 "$@"
    }
else
    mkdir -m 755 "$work/services"
    install -m 644 /usr/share/dbus-1/services/org.a11y.Bus.service "$work/services/"
    start_wayland_session "$work/services"
    session_env=(XDG_DATA_HOME="$home/data" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
    exec_run() { exec_session "$@"; }
    # A keyboard that stays: each wtype's own goes when it ends, and a
    # window without a keyboard draws as inactive.
    exec_session wtype -s 3600000 "" >/dev/null 2>&1 &
    pids+=("$!")
    desk=$(session_program "$desk")
    other=$(session_program "$other")
fi
run() { (exec_run "$@"); }
# The screen readers' view is read by scripts the session's user can read.
install -m 644 "$here/accessible-names.py" "$here/accessible-find.py" "$work/"

# Keys as xdotool names them ("ctrl+shift+s", "Tab"), each pressed in turn.
press() {
    if [ "$platform" = x11 ]; then
        xdotool key --delay 40 "$@"
        return
    fi
    local combo parts arguments=(-s 100) k
    for combo in "$@"; do
        IFS=+ read -ra parts <<<"$combo"
        for ((k = 0; k < ${#parts[@]} - 1; k++)); do arguments+=(-M "${parts[k]}"); done
        arguments+=(-k "${parts[-1]}")
        for ((k = ${#parts[@]} - 2; k >= 0; k--)); do arguments+=(-m "${parts[k]}"); done
    done
    session wtype "${arguments[@]}"
}
type_text() {
    if [ "$platform" = x11 ]; then xdotool type --delay 40 "$1"; else session wtype -s 100 "$1"; fi
}
shot() { # name
    if [ "$platform" = x11 ]; then
        # The desk's part of the screen (a window of its own can come out black).
        local X=0 Y=0 WIDTH HEIGHT desk_id
        WIDTH=$(xdotool getdisplaygeometry | cut -d' ' -f1) HEIGHT=$(xdotool getdisplaygeometry | cut -d' ' -f2)
        desk_id=$(visible_windows ".*$title" | head -n 1)
        [ -z "$desk_id" ] || eval "$(xdotool getwindowgeometry --shell "$desk_id")"
        import -window root -crop "${WIDTH}x$HEIGHT+$X+$Y" +repage "$shots/desk-x11-$1.png"
    else
        session grim "$runtime/shot.png" && cp "$runtime/shot.png" "$shots/desk-wayland-$1.png"
    fi
}
# Gives the window with the title the keyboard focus: sway does it itself;
# on X11 there is no window manager to do it.
focus() { # title, seconds
    if [ "$platform" = x11 ]; then
        wait_for_window "$1" "$2" >/dev/null
    else
        poll_until "$2" focused_is "$1" || fail "no window \"$1\" with the focus after $2 s"
    fi
}
# What the screen reader reads: the names of the nodes of a role matching a
# pattern, once there are as many as asked (see accessible-find.py).
read_names() { # seconds, role, pattern, [count], [--active]
    run /usr/bin/python3 "$work/accessible-find.py" tavi-velmora-desk "$@" 2>"$work/find.log" \
        || fail "the screen reader's view: $(cat "$work/find.log")"
}
# Walks the window's tree and fails on a focusable control without a name.
check_names() { # window title, what
    run /usr/bin/python3 "$work/accessible-names.py" tavi-velmora-desk 15 "frame:$1" >"$work/names.log" 2>&1 \
        || fail "screen readers, $2: $(cat "$work/names.log")"
    say "$2: $(($(wc -l <"$work/names.log") - 1)) focusable controls, each named"
}

# The book, made by the tool: two clients imported from a CSV, one added.
book=$home/data/tavi-velmora/clients.sqlite
mkdir -p "$(dirname "$book")"
printf 'first,middle,last,date\nJohn,,Smith,1980-07-15\nAhmed,,Khan,1992-11-11\n' >"$work/clients.csv"
"$cli" --book "$book" --import "$work/clients.csv" >/dev/null || fail "the tool did not import the clients"
client=$("$cli" --book "$book" --add-client --first Maria --middle Elena --last Garcia --date 1975-03-29 --tag vip) \
    || fail "the tool did not add a client"
person="Maria Elena Garcia"
# The core numbers and the next month's Personal Year and Month as the tool gives them.
numbers() { # system, [date of interest]
    "$cli" --book "$book" --client "$client" --system "$1" ${2:+--on "$2"} --format json | python3 -c '
import json, sys
d = json.load(sys.stdin)
for key in ("lifePath", "destiny"):
    print(d[key].get("compound", d[key]["number"]), d[key]["number"])
print(d["personalYear"]["number"], d["personalMonth"]["number"])'
}
mapfile -t classic < <(numbers classic)
next_month=$(date -d "$(date +%Y-%m-01) +1 month" +%Y-%m-01)
mapfile -t chaldean < <(numbers chaldean "$next_month")
if [ ${#classic[@]} -ne 3 ] || [ ${#chaldean[@]} -ne 3 ]; then fail "the tool gave no numbers for the client"; fi
[ -z "${session_user:-}" ] || chown -R "$session_user:" "$home/data"

# The number a core button shows is the tool's: written from its compound
# (or itself) down to the tool's number ("36/9", "29/11/2", "7").
check_core() { # caption, "top number" from the tool, system
    local shown
    # shellcheck disable=SC2086
    set -- "$1" $2 "$3"
    shown=$(read_names 10 "check box" "$1 $2(/[0-9]+)*")
    [[ "/${shown#"$1 "}/" == *"/$3/"* ]] || fail "$4: the desk shows $shown where the tool gives the number $3"
    say "$4: $shown"
}

start_desk() { # arguments for the desk
    exec_run "$desk" "$@" >"$work/app.log" 2>&1 &
    app=$!
    pids+=("$app")
}
quit_desk() {
    focus "$1" 10
    press ctrl+q
    poll_until 10 ended "$app" || fail "the desk still runs after Ctrl+Q"
    wait "$app" || fail "the desk ended with status $?"
}

# -- The first start: an empty page, the book's clients down the side.
start_desk
read_names 30 frame "$title" >/dev/null
focus "$title" 10
check_names "$title" "the empty window"
read_names 10 "list item" ".*" 3 >/dev/null

# A search typed finds as one types; the client found opens from the list.
press ctrl+f
type_text garc
read_names 10 "list item" "$person \(29 Mar 1975\)" 1 >/dev/null
read_names 10 "list item" ".*" 1 >/dev/null
press Tab Down
window="$person – $title"
read_names 10 frame "$window" >/dev/null
check_core "Life Path" "${classic[0]}" classic
check_core Destiny "${classic[1]}" classic
shot chart-classic-light

# Alt+S: the system; the Chaldean numbers are the tool's.
press alt+s
type_text Chaldean
check_core "Life Path" "${chaldean[0]}" Chaldean
check_core Destiny "${chaldean[1]}" Chaldean
check_names "$window" "the chart"
shot chart-chaldean-light

# The forecast, a month on: the tool's Personal Year and Month.
press ctrl+2
read_names 10 label "$(LC_ALL=C date '+%B %Y'): Personal Year [0-9]+, Personal Month [0-9]+" >/dev/null
press ctrl+Next
# shellcheck disable=SC2086
set -- ${chaldean[2]}
read_names 10 label "$(LC_ALL=C date -d "$next_month" '+%B %Y'): Personal Year $1, Personal Month $2" >/dev/null \
    || fail "the next month's forecast"
say "the forecast a month on: Personal Year $1, Personal Month $2"
check_names "$window" "the forecast"
shot forecast-light

# The comparison with a second person typed in.
compare() { # look
    press ctrl+3
    read_names 10 text "Second person's first name" 1 --focus >/dev/null
    type_text Luis
    press Tab Tab
    type_text Garcia
    read_names 10 "table cell" ".+" 12 >/dev/null # both columns filled
    check_names "$window" "the comparison"
    shot "compare-$1"
}
compare light

# The PDF saved through the file dialog the platform layer shows, read back.
press ctrl+shift+s
focus "Save as PDF" 10
type_text "$home/maria.pdf"
press Return
poll_until 10 test -s "$home/maria.pdf" || fail "no PDF was saved"
focus "$window" 10
pdftotext "$home/maria.pdf" "$work/maria.txt"
grep -q "$person" "$work/maria.txt" || fail "the PDF does not name $person"
read -r life_path _ <<<"${chaldean[0]}"
grep -qw "$life_path" "$work/maria.txt" || fail "the PDF does not show the Life Path $life_path"
say "the PDF: $(wc -l <"$work/maria.txt") lines, naming $person and the Life Path $life_path"

press ctrl+4
read_names 10 "list item" ".*maria\.pdf.*" >/dev/null
check_names "$window" "the notes and history"
shot notes-light

# The Names page: three spellings of a first name weighed; in the dark start
# the first is kept as the client's business name, which the tool then shows.
weigh_names() { # look
    press ctrl+5
    read_names 10 text "First name alternatives, apart by bars" 1 --focus >/dev/null
    type_text "Mariah|Marie|Maria"
    read_names 10 text "Last name alternatives, apart by bars" 1 --focus >/dev/null
    type_text Garcia
    press Return
    read_names 10 "table cell" "(Mariah|Marie|Maria) Garcia" 3 >/dev/null
    check_names "$window" "the names"
    shot "names-$1"
}
weigh_names light

# -- A second start brings the desk to the front and ends. On X11 another
# window has the focus first. On Wayland the desk keeps it: a window comes to
# the front there only with the token a launcher hands the second start, and
# sway 1.7 hands none to the programs it starts.
if [ "$platform" = x11 ]; then
    exec_run "$other" >"$work/other.log" 2>&1 &
    pids+=("$!")
    focus "Tavi Velmora v1.0" 20
    read_names 10 frame "$window" 0 --active >/dev/null
    # X11 takes a request for the focus only when it is newer than the last
    # focus change; without a window manager to ask, the desk's request
    # carries the time of the last event it saw: the pointer resting on it.
    eval "$(xdotool getwindowgeometry --shell "$(visible_windows "$window")")"
    xdotool mousemove --sync $((X + WIDTH - 20)) $((Y + HEIGHT - 20))
fi
status=0
run timeout 20 "$desk" >"$work/second.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || fail "the second start ended with status $status"
if [ "$platform" = x11 ]; then
    read_names 10 frame "$window" 1 --active >/dev/null
    [ -z "$(visible_windows "$title")" ] || fail "the second start showed a message"
    kill "${pids[-1]}"
else
    has_windows "$title" 0 || fail "the second start showed a message"
    focused_is "$window" || fail "the desk lost the focus to the second start"
fi
say "a second start ended at once, the desk in front"
quit_desk "$window"

# -- The next start, in a dark style, comes back to the client and the system.
start_desk -style Adwaita-Dark
read_names 30 frame "$window" >/dev/null
focus "$window" 10
read_names 10 "page tab list" "Names" >/dev/null
press ctrl+1
check_core "Life Path" "${chaldean[0]}" "the next start"
shot chart-chaldean-dark
press ctrl+2
read_names 10 label ".*: Personal Year [0-9]+, Personal Month [0-9]+" >/dev/null
shot forecast-dark
compare dark
press ctrl+4
read_names 10 "page tab list" "Notes and History" >/dev/null
shot notes-dark
weigh_names dark
# The label, back to the table before it, Space to choose the first spelling, and on to Keep.
read_names 10 text "Label of the name kept, such as business" 1 --focus >/dev/null
press shift+Tab space Tab
type_text business
press Tab space
read_names 10 "table cell" "business" 1 >/dev/null
say "the names: Mariah Garcia kept as the business name"
press ctrl+1 alt+s
type_text Classic
check_core "Life Path" "${classic[0]}" "classic again"
shot chart-classic-dark
quit_desk "$window"

"$cli" --book "$book" --show-client "$client" >"$work/client.txt"
grep -q "maria\.pdf" "$work/client.txt" || fail "the PDF is not in the client's history"
grep -q "Later names: Mariah Garcia (business, " "$work/client.txt" || fail "the name kept is not the client's: $(cat "$work/client.txt")"
say "passed in $((SECONDS - began)) s; screenshots in $shots"
