#!/bin/bash
# Runs a command on a GNOME Wayland desktop of its own: a headless GNOME Shell with one
# 1280x800 virtual monitor, the Spanish keyboard layout, no input devices but the remote
# desktop sessions its clients start, the accessibility bus enabled, and the Qt programs on
# Qt's wayland platform. Everything it starts is stopped by process id when the command ends;
# the command's exit status is the script's.
#
# GNOME Shell waits for a login manager while it can see /run/systemd: the script runs itself
# again in a mount namespace of its own, with an empty /run/systemd, and gives the shell the
# system bus it asks for (power, network) as a bus of its own with no services on it.
#
# Usage: gnome-session.sh COMMAND [ARGUMENT...]
set -u

if [ $# -eq 0 ]; then
    echo "usage: $0 COMMAND [ARGUMENT...]" >&2
    exit 2
fi

if [ "${ORVALET_GNOME_NAMESPACE:-}" != "$$" ]; then
    command -v unshare >/dev/null || { echo "gnome-session.sh: unshare is missing" >&2; exit 1; }
    exec unshare -m /bin/bash -c 'ORVALET_GNOME_NAMESPACE=$$ exec /bin/bash "$0" "$@"' "$0" "$@"
fi
if [ -d /run/systemd ]; then
    mount -t tmpfs tmpfs /run/systemd || { echo "gnome-session.sh: cannot hide /run/systemd" >&2; exit 1; }
fi

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
    echo "gnome-session.sh: $*" >&2
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

command -v gnome-shell >/dev/null || fail "gnome-shell is not installed (package gnome-shell)"

export XDG_CONFIG_HOME="$workdir/config" HOME="$workdir"
export XDG_RUNTIME_DIR="$workdir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The settings in a file of the session's own: the Spanish layout, no hot corner, no
# animations, and the toolkits on the accessibility bus from their start.
export GSETTINGS_BACKEND=keyfile
mkdir -p "$XDG_CONFIG_HOME/glib-2.0/settings"
cat >"$XDG_CONFIG_HOME/glib-2.0/settings/keyfile" <<'SETTINGS'
[org/gnome/desktop/input-sources]
sources=[('xkb', 'es')]

[org/gnome/desktop/interface]
enable-hot-corners=false
enable-animations=false
toolkit-accessibility=true

[org/gnome/shell]
welcome-dialog-last-shown-version='999'
SETTINGS

start_bus() {
    dbus-daemon --session --nofork --address="unix:path=$1" >"$1.log" 2>&1 &
    started+=($!)
    wait_for test -S "$1" || fail "no bus at $1: $(cat "$1.log")"
}
start_bus "$workdir/system_bus"
export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$workdir/system_bus"
start_bus "$workdir/bus"
export DBUS_SESSION_BUS_ADDRESS="unix:path=$workdir/bus"

export XDG_SESSION_TYPE=wayland XDG_CURRENT_DESKTOP=GNOME
gnome-shell --headless --wayland --no-x11 --virtual-monitor 1280x800 \
    --wayland-display wayland-orvalet >"$workdir/shell.log" 2>&1 &
started+=($!)
export WAYLAND_DISPLAY=wayland-orvalet
has_remote_desktop() {
    gdbus introspect --session --dest org.gnome.Mutter.RemoteDesktop \
        --object-path /org/gnome/Mutter/RemoteDesktop
}
wait_for test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ||
    fail "GNOME Shell did not start: $(grep -v Gjs-CRITICAL "$workdir/shell.log" | tail -20)"
wait_for has_remote_desktop || fail "mutter offers no remote desktop: $(tail -20 "$workdir/shell.log")"
# The shell starts in its overview, which holds the keyboard focus until it is left; it can
# be left once its opening has ended.
overview() {
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.freedesktop.DBus.Properties.Get org.gnome.Shell OverviewActive
}
leave_overview() {
    gdbus call --session --dest org.gnome.Shell --object-path /org/gnome/Shell \
        --method org.freedesktop.DBus.Properties.Set org.gnome.Shell OverviewActive '<false>'
    sleep 0.1
    overview | grep -q false
}
wait_for sh -c "$(declare -f overview); overview | grep -q true" ||
    fail "GNOME Shell shows no overview: $(tail -20 "$workdir/shell.log")"
wait_for leave_overview || fail "GNOME Shell keeps its overview"
export QT_QPA_PLATFORM=wayland

"$@" &
command_pid=$!
started+=("$command_pid")
wait "$command_pid"
status=$?
[ $status -eq 0 ] ||
    echo "gnome-session.sh: GNOME Shell's log: $(grep -v 'Gjs-CRITICAL\|offending\|Stack trace\|^$' "$workdir/shell.log" | tail -20)" >&2
exit $status
