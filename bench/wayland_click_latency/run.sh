#!/bin/bash
# Runs the Wayland click latency bench on a headless sway of its own.
# Usage: run.sh BIN-DIR [PRESSES]
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="${1:?usage: $0 BIN-DIR [PRESSES]}"
"$root/tests/e2e/sway-session.sh" "$bin/bench_wayland_click_latency" "$bin/orvalet" \
    "${2:-${CLICK_PRESSES:-100}}"
