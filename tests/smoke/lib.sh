# Shared by the smoke tests (sourced, not run).

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
