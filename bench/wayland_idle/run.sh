#!/bin/bash
# The keyboard idle on a headless sway of its own: CPU and wake-ups of all its threads over a
# stretch of seconds, after it has settled.
# Usage: run.sh BIN-DIR [SECONDS]
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
bin="${1:?usage: $0 BIN-DIR [SECONDS]}"
"$root/tests/e2e/sway-session.sh" "$here/measure.sh" "$bin/orvalet" "${2:-${IDLE_SECONDS:-30}}"
