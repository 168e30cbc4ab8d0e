#!/bin/bash
# Runs a command on a desktop of its own: a virtual X server, an EWMH window manager
# (openbox) and the Spanish keyboard layout; on request a D-Bus session bus with the
# accessibility bus (ORVALET_E2E_ATSPI=1) and a sound server whose only card is a null sink
# (ORVALET_E2E_AUDIO=1). Everything it starts is stopped by process id when the command ends;
# the command's exit status is the script's.
#
# Usage: desktop.sh COMMAND [ARGUMENT...]
set -u

if [ $# -eq 0 ]; then
    echo "usage: $0 COMMAND [ARGUMENT...]" >&2
    exit 2
fi

export LANG=C.UTF-8
unset LC_ALL
# The keyboard and the tests choose the X11 desktop here, whatever session they are run from.
unset WAYLAND_DISPLAY SWAYSOCK
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
    echo "desktop.sh: $*" >&2
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

start_x_server() {
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp >"$workdir/xvfb.log" 2>&1 &
    started+=($!)
    local number
    read -r -t 10 number <&"$displayfd" || fail "Xvfb did not start: $(cat "$workdir/xvfb.log")"
    exec {displayfd}<&-
    export DISPLAY=":$number"
    # The number comes a moment before the server takes clients on every machine.
    wait_for xprop -root -notype _XKB_RULES_NAMES || fail "Xvfb does not answer on $DISPLAY"
}

start_window_manager() {
    local pid tries
    # Openbox's own settings without its menus on the bare desktop: a click that comes before
    # a window is on the screen would open one, and the menu would hold the pointer and
    # swallow the next test's click.
    sed '/<context name="Root">/,/<\/context>/d' /etc/xdg/openbox/rc.xml >"$workdir/openbox.xml"
    # Now and then openbox cannot open a display that has just started: it is started again.
    for tries in 1 2 3; do
        openbox --sm-disable --config-file "$workdir/openbox.xml" >"$workdir/openbox.log" 2>&1 &
        pid=$!
        wait_for sh -c "xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || ! kill -0 $pid"
        kill -0 "$pid" 2>/dev/null && break
        sleep 0.2
    done
    started+=("$pid")
    wait_for sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not take the screen: $(cat "$workdir/openbox.log")"
}

start_accessibility_bus() {
    local address pid
    { read -r address && read -r pid; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1)
    [ -n "${pid:-}" ] || fail "dbus-daemon did not start"
    started+=("$pid")
    export DBUS_SESSION_BUS_ADDRESS="$address"
    # Qt 6.4 never registers when AT_SPI_BUS_ADDRESS is set, so it is left to the bus.
    /usr/libexec/at-spi-bus-launcher --launch-immediately --a11y=1 >"$workdir/atspi.log" 2>&1 &
    started+=($!)
}

start_sound_server() {
    export XDG_RUNTIME_DIR="$workdir/runtime"
    mkdir -m 700 -p "$XDG_RUNTIME_DIR"
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --load="module-null-sink sink_name=nul" \
        --load=module-native-protocol-unix >"$workdir/pulse.log" 2>&1 &
    started+=($!)
    wait_for pactl info || fail "pulseaudio did not start: $(cat "$workdir/pulse.log")"
    pactl set-default-sink nul
}

start_x_server
start_window_manager
setxkbmap es || fail "setxkbmap es failed"
[ "${ORVALET_E2E_ATSPI:-0}" = 1 ] && start_accessibility_bus
[ "${ORVALET_E2E_AUDIO:-0}" = 1 ] && start_sound_server

"$@" &
command_pid=$!
started+=("$command_pid")
wait "$command_pid"
exit $?
