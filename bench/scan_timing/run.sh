#!/bin/bash
# Runs the scanning rhythm bench on a desktop of its own (about two and a half minutes).
# Usage: run.sh BIN-DIR [STEPS]
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="${1:?usage: $0 BIN-DIR [STEPS]}"
"$root/tests/e2e/desktop.sh" "$bin/bench_scan_timing" "$bin/orvalet" "${2:-${SCAN_STEPS:-100}}"
