#!/usr/bin/env bash
# Sets everything up and starts the keyboard. Without a display it starts the keyboard
# on a virtual X display and saves a screenshot instead.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
if [ -n "${DISPLAY:-}" ]; then
    exec "$root/build/bin/orvalet" "$@"
fi
shot="$root/build/orvalet-screenshot.png"
"$root/tests/e2e/desktop.sh" "$root/scripts/screenshot.sh" "$shot" "$root/build/bin/orvalet" "$@"
echo "No display here: Orvalet ran on a virtual X display; screenshot saved in $shot"
