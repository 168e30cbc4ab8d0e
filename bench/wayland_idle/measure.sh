#!/bin/bash
# Starts the keyboard, lets it settle, and reports what its threads did over SECONDS idle:
# CPU time (user and system, from /proc/PID/task/*/stat) and context switches, each a wake-up.
# Usage: measure.sh ORVALET SECONDS
set -eu
program="$1"
seconds="$2"
settle=5
ticks=$(getconf CLK_TCK)
config=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$config"' EXIT
# A settings file that has chosen the language, so no first-run dialog waits for an answer.
printf '[Quarnel Orvalet]\r\nLlengua=Catal\xe0\r\n' >"$config/orvalet.ini"
XDG_CONFIG_HOME="$config" "$program" >/dev/null 2>&1 &
pid=$!
sleep "$settle"
kill -0 "$pid" 2>/dev/null || { echo "measure.sh: the keyboard did not stay up" >&2; exit 1; }

# Sums over every thread: CPU ticks (utime and stime) and context switches.
sample() {
    local cpu=0 switches=0 task stat
    for task in /proc/"$pid"/task/*; do
        stat=$(cut -d')' -f2- "$task/stat") || continue
        set -- $stat
        cpu=$((cpu + ${12} + ${13}))
        switches=$((switches + $(awk '/ctxt_switches/ {s += $2} END {print s}' "$task/status")))
    done
    echo "$cpu $switches"
}

read -r cpu0 switches0 < <(sample)
sleep "$seconds"
read -r cpu1 switches1 < <(sample)
kill -0 "$pid" 2>/dev/null || { echo "measure.sh: the keyboard ended while idle" >&2; exit 1; }
awk -v c=$((cpu1 - cpu0)) -v s=$((switches1 - switches0)) -v t="$ticks" -v n="$seconds" \
    'BEGIN { printf "idle on sway over %d s: %.1f ms CPU, %.2f wake-ups/s\n", n, 1000 * c / t, s / n }'
