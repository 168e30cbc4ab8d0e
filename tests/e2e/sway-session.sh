#!/bin/bash
# Runs a command on a Wayland desktop of its own: a headless sway (a wlroots compositor) with
# no input devices but the virtual ones its clients make, one 1024x768 output and the Qt
# programs on Qt's wayland platform, and with ORVALET_E2E_AUDIO=1 a sound server whose only
# card is a null sink. Everything it starts is stopped by process id when the
# command ends; the command's exit status is the script's.
#
# sway refuses to run as root, so when started by root it runs as the unprivileged user
# nobody; root's clients reach its sockets all the same.
#
# Usage: sway-session.sh COMMAND [ARGUMENT...]
set -u

if [ $# -eq 0 ]; then
    echo "usage: $0 COMMAND [ARGUMENT...]" >&2
    exit 2
fi

export LANG=C.UTF-8
unset LC_ALL DISPLAY WAYLAND_DISPLAY SWAYSOCK
started=()
workdir=$(mktemp -d)
chmod 755 "$workdir"

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
    echo "sway-session.sh: $*" >&2
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

# The keyboard's window floats above the others on every workspace, as the README tells sway
# users to set it.
cat >"$workdir/config" <<'CONFIG'
output HEADLESS-1 resolution 1024x768 position 0 0
xwayland disable
for_window [app_id="org.orvalet.Orvalet"] floating enable, sticky enable
CONFIG

compositor_runtime="$workdir/compositor"
mkdir -m 700 "$compositor_runtime"
as_compositor=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$compositor_runtime"
    as_compositor=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
"${as_compositor[@]}" env HOME="$workdir" XDG_RUNTIME_DIR="$compositor_runtime" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    sway --config "$workdir/config" >"$workdir/sway.log" 2>&1 &
started+=($!)

wait_for sh -c "ls '$compositor_runtime'/sway-ipc.*.sock" ||
    fail "sway did not start: $(cat "$workdir/sway.log")"
SWAYSOCK=$(ls "$compositor_runtime"/sway-ipc.*.sock)
export SWAYSOCK
wait_for swaymsg -t get_outputs || fail "sway does not answer: $(cat "$workdir/sway.log")"
export WAYLAND_DISPLAY="$compositor_runtime/wayland-1"
[ -S "$WAYLAND_DISPLAY" ] || fail "sway opened no wayland-1 socket: $(ls "$compositor_runtime")"
# The clients' own runtime folder, theirs alone as the toolkit wants it.
export XDG_RUNTIME_DIR="$workdir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export XDG_SESSION_TYPE=wayland QT_QPA_PLATFORM=wayland

start_sound_server() {
    pulseaudio --daemonize=no --exit-idle-time=-1 -n --load="module-null-sink sink_name=nul" \
        --load=module-native-protocol-unix >"$workdir/pulse.log" 2>&1 &
    started+=($!)
    wait_for pactl info || fail "pulseaudio did not start: $(cat "$workdir/pulse.log")"
    pactl set-default-sink nul
}
[ "${ORVALET_E2E_AUDIO:-0}" = 1 ] && start_sound_server

"$@" &
command_pid=$!
started+=("$command_pid")
wait "$command_pid"
exit $?
