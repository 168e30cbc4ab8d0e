#!/usr/bin/env bash
# Starts a program on the current display, waits for its windows, saves a screenshot
# of the whole screen in the given file and closes the program.
set -euo pipefail
shot="$1"
shift
"$@" &
program=$!
sleep "${SCREENSHOT_DELAY:-3}"
# On a first run the language dialog comes first: accept its choice, Català.
if xdotool search --name '^Llengua/Lengua$' >/dev/null 2>&1; then
    xdotool key Return
    sleep 2
fi
import -window root "$shot"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
