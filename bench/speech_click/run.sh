#!/usr/bin/env bash
# Runs the click-to-speech bench on a desktop of its own with a sound server.
# Usage: run.sh BIN-DIR [CLICKS]
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="${1:?usage: run.sh BIN-DIR [CLICKS]}"
ORVALET_E2E_AUDIO=1 "$root/tests/e2e/desktop.sh" "$bin/speech_click_bench" "$bin/orvalet" "${2:-20}"
