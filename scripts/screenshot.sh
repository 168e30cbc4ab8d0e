#!/usr/bin/env bash
# Starts a program on the current display, waits for its windows, saves a screenshot
# of the whole screen in the given file and closes the program.
set -euo pipefail
shot="$1"
shift
"$@" &
program=$!
sleep "${SCREENSHOT_DELAY:-3}"
import -window root "$shot"
kill "$program" 2>/dev/null || true
wait "$program" 2>/dev/null || true
