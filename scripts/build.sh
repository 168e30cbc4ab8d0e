#!/usr/bin/env bash
# Configures and builds Orvalet into build/ (or the folder given as $BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
# In the environment, ORVALET_WERROR=ON makes every warning an error and ORVALET_LINE_TABLES=ON
# keeps only line tables as debug information, as CI builds.
launcher=()
if command -v ccache >/dev/null; then
    # The precompiled headers are included with -include, which ccache can cache once told to
    # trust their time stamps.
    export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}"
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DORVALET_WERROR="${ORVALET_WERROR:-OFF}" -DORVALET_LINE_TABLES="${ORVALET_LINE_TABLES:-OFF}" \
    "${launcher[@]}" "$@" >/dev/null
ninja -C "$build" -j"$(nproc)" ${NINJA_TARGETS:-}
