#!/usr/bin/env bash
# Runs the speech library's bench for eSpeak NG and the natural voice, without a sound device.
# Usage: run.sh BIN-DIR
set -euo pipefail
bin="${1:?usage: run.sh BIN-DIR}"
UPCTV_AUDIO=none "$bin/speech_bench"
