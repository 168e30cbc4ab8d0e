#!/usr/bin/env bash
# Builds the program and its benchmarks and runs them on a virtual X display.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/build.sh"
bin="$root/build/bin"
export ORVALET_BENCH_BIN="$bin"
"$root/tests/e2e/desktop.sh" "$bin/bench_startup" "$bin/orvalet" "${STARTUP_RUNS:-5}" "${IDLE_SECONDS:-30}"
for extra in "$root"/bench/*/run.sh; do
    [ -x "$extra" ] && "$extra" "$bin"
done
