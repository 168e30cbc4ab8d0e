#!/bin/sh
# Runs every fuzz target of a build for a bounded time, starting from the
# seeds kept beside this script; stops at the first target that fails.
# Usage: run.sh <build-dir> <seconds per target>
set -eu

build=$1
seconds=$2
seeds=$(dirname "$0")/seeds

found=0
for target in "$build"/bin/fuzz_*; do
    [ -x "$target" ] || continue
    found=1
    name=$(basename "$target")
    corpus=$(mktemp -d)
    trap 'rm -rf "$corpus"' EXIT
    cp "$seeds/${name#fuzz_}"/* "$corpus"/ 2>/dev/null || true
    echo "== $name for $seconds s"
    "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
        -print_final_stats=1 "$corpus"
    rm -rf "$corpus"
done

if [ "$found" = 0 ]; then
    echo "no fuzz targets in $build/bin (configure with -DORVALET_FUZZ=ON and clang)" >&2
    exit 1
fi
