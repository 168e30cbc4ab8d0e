#!/usr/bin/env bash
# Builds Orvalet and runs every test: unit, form and end-to-end.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root/build"
ctest --output-on-failure --timeout 300 -j"$(nproc)" "$@"
