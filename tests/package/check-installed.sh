#!/usr/bin/env bash
# Checks an installed Tavi Velmora (from the Debian package, or any prefix):
# the launcher entry and AppStream metadata validate, the icon theme has
# every size, the command-line tool starts, and the desktop program passes
# the real-window smoke test.
#   check-installed.sh [PREFIX]     (default /usr)
set -euo pipefail
prefix=${1:-/usr}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
fail() { echo "check-installed: $*" >&2; exit 1; }

desktop-file-validate "$prefix/share/applications/tavi-velmora.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/example.orvex.tavivelmora.metainfo.xml"
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
compgen -G "$prefix/lib*/tavi-velmora/velmora-print.so" >/dev/null \
    || compgen -G "$prefix/lib/*/tavi-velmora/velmora-print.so" >/dev/null || fail "no print module"
"$here/../smoke/smoke.sh" "$prefix/bin/tavi-velmora" "${SCREENSHOTS:-$(mktemp -d)}"
echo "check-installed: passed"
