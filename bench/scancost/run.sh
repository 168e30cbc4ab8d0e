#!/bin/bash
# Times orvalet-scancost on a text of one megabyte (the README, repeated) with the Catalan
# keyboard for scanning: reading, segmenting into keys and reporting. Best and median of
# five runs, in milliseconds.
# Usage: run.sh BIN-DIR [RUNS]
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="${1:?usage: $0 BIN-DIR [RUNS]}"
runs="${2:-5}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Whole copies only, so that the text stays valid UTF-8.
text="$work/megabyte.txt"
: >"$text"
while [ "$(stat -c %s "$text")" -lt 1048576 ]; do
    cat "$root/README.md" >>"$text"
done

times=()
for ((run = 0; run < runs; run++)); do
    start=$(date +%s%N)
    "$bin/orvalet-scancost" -k "$root/keyboards/catala-escaneig.QuarnelTeclat" "$text" >/dev/null
    times+=($((($(date +%s%N) - start) / 1000000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
echo "orvalet-scancost on $(stat -c %s "$text") bytes: best ${sorted[0]} ms," \
    "median ${sorted[$((runs / 2))]} ms"
