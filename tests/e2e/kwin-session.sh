#!/bin/bash
# Runs a command on a KDE Plasma Wayland desktop of its own: a virtual KWin with no input
# devices but the fake input its clients make, one 1024x768 output, the Spanish keyboard
# layout and the Qt programs on Qt's wayland platform. KWin gives its window management and
# fake input only to the programs whose desktop file asks for them: the command and the
# keyboard beside it get the keyboard's own desktop file, naming each by its path. Everything
# it starts is stopped by process id when the command ends; the command's exit status is the
# script's.
#
# KWin runs from a copy of its executable: the installed one carries a file capability that
# a container refuses to grant, and a copy carries none.
#
# Usage: kwin-session.sh COMMAND [ARGUMENT...]   (COMMAND's folder holds orvalet)
set -u

if [ $# -eq 0 ]; then
    echo "usage: $0 COMMAND [ARGUMENT...]" >&2
    exit 2
fi

root="$(cd "$(dirname "$0")/../.." && pwd)"
export LANG=C.UTF-8
unset LC_ALL DISPLAY WAYLAND_DISPLAY SWAYSOCK
started=()
workdir=$(mktemp -d)

cleanup() {
    local i
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        kill "${started[i]}" 2>/dev/null
    done
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do
        wait "${started[i]}" 2>/dev/null
    done
    rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

fail() {
    echo "kwin-session.sh: $*" >&2
    exit 1
}

# Waits up to thirty seconds for a condition given as a command: a loaded machine can be slow.
wait_for() {
    local tries=0
    until "$@" >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ $tries -ge 600 ] && return 1
        sleep 0.05
    done
}

kwin=$(command -v kwin_wayland) || fail "kwin_wayland is not installed (package kwin-wayland)"
cp "$kwin" "$workdir/kwin_wayland"

command=$(readlink -f "$(command -v "$1")") || fail "no program $1"
keyboard="$(dirname "$command")/orvalet"
applications="$workdir/data/applications"
mkdir -p "$applications"
entry="$root/packaging/org.orvalet.Orvalet.desktop"
sed "s|^Exec=orvalet |Exec=$keyboard |" "$entry" >"$applications/org.orvalet.Orvalet.desktop"
sed -e "s|^Exec=orvalet .*|Exec=$command|" -e "s|^Name=Orvalet|Name=$(basename "$command")|" \
    -e '/^MimeType=/d' "$entry" >"$applications/test-driver.desktop"
export XDG_DATA_DIRS="$workdir/data:/usr/share"
export XDG_CONFIG_HOME="$workdir/config" HOME="$workdir"
mkdir -p "$XDG_CONFIG_HOME"
export XDG_RUNTIME_DIR="$workdir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

dbus-daemon --session --nofork --address="unix:path=$workdir/bus" >"$workdir/dbus.log" 2>&1 &
started+=($!)
export DBUS_SESSION_BUS_ADDRESS="unix:path=$workdir/bus"
wait_for test -S "$workdir/bus" || fail "no session bus: $(cat "$workdir/dbus.log")"

# QPainter compositing: no GPU is needed, and the software one would spend both cores.
KWIN_COMPOSE=Q XKB_DEFAULT_LAYOUT=es QT_QPA_PLATFORM=offscreen \
    "$workdir/kwin_wayland" --virtual --width 1024 --height 768 --socket wayland-orvalet \
    --no-lockscreen --no-global-shortcuts --no-kactivities >"$workdir/kwin.log" 2>&1 &
started+=($!)
export WAYLAND_DISPLAY=wayland-orvalet
wait_for test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ||
    fail "KWin did not start: $(cat "$workdir/kwin.log")"
export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=KDE QT_QPA_PLATFORM=wayland

"$@" &
command_pid=$!
started+=("$command_pid")
wait "$command_pid"
status=$?
[ $status -eq 0 ] || echo "kwin-session.sh: KWin's log: $(tail -20 "$workdir/kwin.log")" >&2
exit $status
