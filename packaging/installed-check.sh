#!/bin/bash
# Starts the keyboard installed by the Debian package and waits for its window; run on a
# desktop of its own (tests/e2e/desktop.sh).
set -euo pipefail
config="$(mktemp -d)"
pid=""
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$config"' EXIT
printf '[Quarnel Orvalet]\r\nLlengua=Catal\xe0\r\n' >"$config/orvalet.ini"
XDG_CONFIG_HOME="$config" orvalet /usr/share/orvalet/keyboards/catala.QuarnelTeclat &
pid=$!
# Qt keeps a hidden helper window with the application's name: look for a visible one.
window="$(timeout 30 xdotool search --sync --onlyvisible --name '^Orvalet$' | head -n 1)" || {
    echo "the installed keyboard's window did not appear" >&2
    exit 1
}
[ "$(readlink -f "/proc/$(xdotool getwindowpid "$window")/exe")" = /usr/libexec/orvalet/orvalet ] || {
    echo "the window is not the installed keyboard's" >&2
    exit 1
}
echo "the installed keyboard runs"
