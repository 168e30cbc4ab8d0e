#!/bin/bash
# Runs the switch reaction bench on a desktop of its own (about half a minute).
# Usage: run.sh BIN-DIR [PRESSES]
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="${1:?usage: $0 BIN-DIR [PRESSES]}"
"$root/tests/e2e/desktop.sh" "$bin/bench_switch_reaction" "$bin/orvalet" "${2:-${SWITCH_PRESSES:-200}}"
