#!/bin/bash
# Runs the switch reaction bench on a desktop of its own, for a key and for a gamepad button
# (about half a minute each; the gamepad's only where uinput is there).
# Usage: run.sh BIN-DIR [PRESSES]
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="${1:?usage: $0 BIN-DIR [PRESSES]}"
presses="${2:-${SWITCH_PRESSES:-200}}"
"$root/tests/e2e/desktop.sh" "$bin/bench_switch_reaction" "$bin/orvalet" "$presses"
"$root/tests/e2e/desktop.sh" "$bin/bench_switch_reaction" "$bin/orvalet" "$presses" --joystick
