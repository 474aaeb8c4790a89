# shellcheck shell=bash
# Shared by the smoke tests (sourced, not run). The tests set work, their
# temporary folder, before they call these.
# shellcheck disable=SC2154

# Runs the command until it succeeds, polling, for at most the seconds given;
# false when the time runs out. A condition, never a fixed wait.
poll_until() { # seconds, command...
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# Writes the configuration of a private session bus (tests/session-bus.conf,
# which starts no services) that starts only the services in the folder given:
# the bus never starts an installed copy of the program, so a test gives the
# same result with or without the package installed.
write_bus_config() { # file, [service folder]
    local base
    base=$(dirname "${BASH_SOURCE[0]}")/../session-bus.conf
    if [ -n "${2:-}" ]; then
        sed "s|^</busconfig>|  <servicedir>$2</servicedir>\n</busconfig>|" "$base" >"$1"
    else
        cp "$base" "$1"
    fi
    chmod 644 "$1"
}

# Runs the script again on a session bus of its own that starts only the
# screen readers' bus (and whatever a test later puts in the folder
# $VELMORA_SMOKE_BUS/services), and ends with its status. Call it first thing
# with the script's arguments: once on that bus, it returns.
on_own_session_bus() { # the script's arguments
    [ -z "${VELMORA_SMOKE_BUS:-}" ] || return 0
    VELMORA_SMOKE_BUS=$(mktemp -d)
    export VELMORA_SMOKE_BUS
    mkdir -p "$VELMORA_SMOKE_BUS/services"
    cp /usr/share/dbus-1/services/org.a11y.Bus.service "$VELMORA_SMOKE_BUS/services/"
    write_bus_config "$VELMORA_SMOKE_BUS/bus.conf" "$VELMORA_SMOKE_BUS/services"
    local status=0
    dbus-run-session --config-file="$VELMORA_SMOKE_BUS/bus.conf" -- "$0" "$@" || status=$?
    rm -rf "$VELMORA_SMOKE_BUS"
    exit "$status"
}

ended() { ! kill -0 "$1" 2>/dev/null; }

# A display of its own for X11 tests: a free number, and a server that really
# answers. Sets DISPLAY and xvfb (its process); logs to $work/xvfb.log; calls
# the test's fail when no server starts.
start_xvfb() {
    local number
    for _ in 1 2 3 4 5; do
        number=$((100 + RANDOM % 800))
        [ -e "/tmp/.X$number-lock" ] || [ -e "/tmp/.X11-unix/X$number" ] && continue
        Xvfb ":$number" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
        xvfb=$!
        export DISPLAY=:$number
        poll_until 5 x_answers_or_ended
        xdotool getdisplaygeometry >/dev/null 2>&1 && return 0
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    done
    fail "no X server could be started"
}
x_answers_or_ended() { xdotool getdisplaygeometry >/dev/null 2>&1 || ended "$xvfb"; }

# A headless Wayland session: sway and a session bus, run by an unprivileged
# user when the test runs as root (sway refuses root). Sets as (the command
# prefix that runs as that user) and session_user (empty when not root), home
# and runtime (under $work, which must exist), and adds the processes to the array pids; the session's programs
# run through session and exec_session, with any extra variables of the array
# session_env. With a folder, the bus starts the services in it.
start_wayland_session() { # [service folder]
    as=() session_user=
    if [ "$(id -u)" -eq 0 ]; then
        session_user=velmora-smoke
        id "$session_user" >/dev/null 2>&1 || useradd --system -M -d /nonexistent -s /usr/sbin/nologin "$session_user"
        as=(setpriv --reuid="$session_user" --regid="$session_user" --clear-groups)
    fi
    chmod 711 "$work"
    home=$work/home
    runtime=$home/runtime
    mkdir -m 700 "$home" "$runtime"
    [ ${#as[@]} -eq 0 ] || chown -R "$session_user:" "$home"
    printf 'output HEADLESS-1 resolution 1024x768\nxwayland disable\nfocus_on_window_activation focus\n' >"$work/sway.conf"
    chmod 644 "$work/sway.conf"
    write_bus_config "$work/bus.conf" "${1:-}"
    exec_session dbus-daemon --config-file="$work/bus.conf" --nofork --nopidfile --address="unix:path=$runtime/bus" \
        >"$work/dbus.log" 2>&1 &
    pids+=($!)
    exec_session env WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman sway -c "$work/sway.conf" \
        >"$work/sway.log" 2>&1 &
    pids+=($!)
    # sway listens for IPC at $SWAYSOCK.
    poll_until 10 test -S "$runtime/wayland-1" -a -S "$runtime/sway.sock" -a -S "$runtime/bus" \
        || fail "sway and the session bus: not after 10 s"
}
session_env=()
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
        ASAN_OPTIONS="${ASAN_OPTIONS:-}" UBSAN_OPTIONS="${UBSAN_OPTIONS:-}" LSAN_OPTIONS="${LSAN_OPTIONS:-}" \
        "${session_env[@]}" "$@"
}
# A program the session's user can run: a checkout in root's home is closed
# to that user, so it runs a copy there.
session_program() { # program: prints the path to run
    if [ ${#as[@]} -gt 0 ] && ! "${as[@]}" test -x "$1"; then
        install -m 755 "$1" "$work/$(basename "$1")"
        echo "$work/$(basename "$1")"
    else
        echo "$1"
    fi
}

# The windows sway shows, one a line: "focused|-" TAB title.
sway_windows() {
    session swaymsg -t get_tree -r 2>/dev/null | python3 -c '
import json, sys
def walk(node):
    if node.get("pid") and node.get("name") is not None:
        print(("focused" if node.get("focused") else "-") + "\t" + node["name"])
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}
count_windows() { sway_windows | cut -f2 | grep -cx "$1" || true; }
has_windows() { [ "$(count_windows "$1")" -eq "$2" ]; }
focused_is() { sway_windows | grep -qx "focused	$1"; }

# X11 windows, without a window manager: the test's app (a process, or empty)
# ending early fails the test.
visible_windows() { # title: the ids of the shown windows with that title
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null || true
}
# Waits for a shown window with the title other than the ones given, prints
# its id and gives it the keyboard focus (there is no window manager to do it).
wait_for_window() { # title, seconds, ids to skip...
    local title=$1 seconds=$2
    shift 2
    poll_until "$seconds" new_window "$title" "$@" || fail "no window \"$title\" after $seconds s"
    xdotool windowfocus --sync "$found" 2>/dev/null || xdotool windowfocus "$found"
    echo "$found"
}
found=
new_window() { # title, ids to skip...: true once one shows, in $found
    local title=$1 id
    shift
    for id in $(visible_windows "$title"); do
        if [[ " $* " != *" $id "* ]]; then
            found=$id
            return 0
        fi
    done
    [ -z "$app" ] || kill -0 "$app" 2>/dev/null || fail "the program ended early"
    return 1
}
wait_until_gone() { # id, seconds
    poll_until "$2" window_gone "$1" || fail "window $1 still open after $2 s"
}
window_gone() { ! xdotool search --onlyvisible --name '.*' 2>/dev/null | grep -qx "$1"; }
