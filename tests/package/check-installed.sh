#!/usr/bin/env bash
# Checks an installed Tavi Velmora (from the Debian package, or any prefix):
# the launcher entry, the MIME type and the AppStream metadata validate, the
# icon theme has every size, the manual pages format cleanly, the bash
# completion completes, the command-line tool starts, and the desktop program
# and the desk pass the real-window smoke tests on X11 (with the screen
# readers' walk) and on Wayland. CI runs the smoke tests here only, once.
#   check-installed.sh [PREFIX]     (default /usr)
set -euo pipefail
prefix=${1:-/usr}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fail() { echo "check-installed: $*" >&2; exit 1; }

desktop=$prefix/share/applications/example.orvex.tavivelmora.desktop
desktop-file-validate "$desktop"
grep -qx 'Exec=tavi-velmora %f' "$desktop" || fail "the launcher entry does not take a file"
grep -qx 'MimeType=application/x-tavi-velmora-report;' "$desktop" || fail "the launcher entry names no report type"
# Activatable over the session bus: the bus starts the program its service
# names, telling it that the bus started it.
service=$prefix/share/dbus-1/services/example.orvex.tavivelmora.service
grep -qx 'DBusActivatable=true' "$desktop" || fail "the launcher entry is not D-Bus activatable"
exec_line=$(sed -n 's/^Exec=//p' "$service")
[ -x "${exec_line% --bus-activated}" ] && [ "${exec_line##* }" = --bus-activated ] \
    || fail "the D-Bus service does not start the installed program with --bus-activated"
# The desk: its own entry, activatable by its own name, offered by the main entry as an action.
desk=$prefix/share/applications/example.orvex.tavivelmora.desk.desktop
desktop-file-validate "$desk"
grep -qx 'Exec=tavi-velmora-desk %f' "$desk" || fail "the desk's entry does not take a file"
grep -qx 'GenericName=Numerology Practice' "$desk" || fail "the desk's entry has another generic name"
grep -qx 'Icon=tavi-velmora-desk' "$desk" && [ -f "$prefix/share/icons/hicolor/scalable/apps/tavi-velmora-desk.svg" ] \
    || fail "the desk's entry does not name its own installed icon"
grep -qx 'Exec=tavi-velmora-desk' "$desktop" || fail "the launcher entry does not offer the desk"
desk_exec=$(sed -n 's/^Exec=//p' "$prefix/share/dbus-1/services/example.orvex.tavivelmora.desk.service")
[ -x "${desk_exec% --bus-activated}" ] && [ "${desk_exec##* }" = --bus-activated ] \
    || fail "the desk's D-Bus service does not start the installed desk with --bus-activated"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/tavi-velmora-desk" --version)" = "tavi-velmora-desk 1.0.0" ] \
    || fail "tavi-velmora-desk --version"
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/example.orvex.tavivelmora.desk.metainfo.xml"
mime=$prefix/share/mime/packages/example.orvex.tavivelmora.xml
grep -q '<glob pattern="\*\.vlm" case-sensitive="true"/>' "$mime" || fail "no case-sensitive *.vlm glob"
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/example.orvex.tavivelmora.metainfo.xml"
for page in tavi-velmora tavi-velmora-cli tavi-velmora-desk; do
    warnings=$(zcat "$prefix/share/man/man1/$page.1.gz" | LC_ALL=C.UTF-8 groff -man -ww -z 2>&1)
    [ -z "$warnings" ] || fail "man page $page: $warnings"
done
if [ -f /usr/share/bash-completion/bash_completion ]; then
    completed=$(bash -c 'source /usr/share/bash-completion/bash_completion
        source "$1/share/bash-completion/completions/tavi-velmora-cli"
        COMP_WORDS=(tavi-velmora-cli --batch --format ""); COMP_CWORD=3; COMP_LINE="${COMP_WORDS[*]}"
        COMP_POINT=${#COMP_LINE}; _tavi_velmora_cli; echo "${COMPREPLY[*]}"' _ "$prefix")
    [ "$completed" = "csv json" ] || fail "bash completion of --batch --format gave: $completed"
fi
[ -f "$prefix/share/icons/hicolor/scalable/apps/tavi-velmora.svg" ] || fail "no scalable icon"
for size in 16 22 24 32 48 64 128 256; do
    file "$prefix/share/icons/hicolor/${size}x${size}/apps/tavi-velmora.png" | grep -q "$size x $size" \
        || fail "no ${size}x${size} icon"
done
version=$("$prefix/bin/tavi-velmora-cli" --version)
[[ $version == *"1.0.0"* ]] || fail "tavi-velmora-cli --version printed: $version"
reading=$("$prefix/bin/tavi-velmora-cli" --first John --last Smith --date 1980-07-15 --format json)
[[ $reading == *'"number": 8'* ]] || fail "tavi-velmora-cli gave no Destiny number 8 for John Smith"
pdf=$(mktemp --suffix=.pdf)
env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/tavi-velmora-cli" --first John --last Smith --date 1980-07-15 --pdf "$pdf"
[ "$(head -c 4 "$pdf")" = "%PDF" ] || fail "tavi-velmora-cli --pdf wrote no PDF"
rm -f "$pdf"
compgen -G "$prefix/lib*/tavi-velmora/modules/velmora-print.so" >/dev/null \
    || compgen -G "$prefix/lib/*/tavi-velmora/modules/velmora-print.so" >/dev/null || fail "no print module"
# The screenshots go to SCREENSHOTS when it is set; otherwise to a temporary
# folder that is removed after a pass and kept, and named, after a failure.
shots=${SCREENSHOTS:-}
if [ -z "$shots" ]; then
    shots=$(mktemp -d)
    trap 'rm -rf "$shots"' EXIT
fi
smoke() { # test, arguments
    if ! "$here/../smoke/$1" "${@:2}" "$shots"; then
        trap - EXIT
        fail "the smoke test $1 $2 failed; screenshots in $shots"
    fi
}
smoke smoke.sh "$prefix/bin/tavi-velmora"
smoke wayland.sh "$prefix/bin/tavi-velmora"
for display in x11 wayland; do
    smoke desk.sh "$display" "$prefix/bin/tavi-velmora-desk" "$prefix/bin/tavi-velmora-cli" "$prefix/bin/tavi-velmora"
done
echo "check-installed: passed"
