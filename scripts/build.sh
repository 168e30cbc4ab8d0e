#!/usr/bin/env bash
# Configures and builds Orvalet into build/ (or the folder given as $BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
# ORVALET_WERROR=ON in the environment makes every warning an error, as CI builds.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVALET_WERROR="${ORVALET_WERROR:-OFF}" "$@" >/dev/null
ninja -C "$build" -j"$(nproc)" ${NINJA_TARGETS:-}
