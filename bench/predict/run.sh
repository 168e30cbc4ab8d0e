#!/bin/bash
# Runs the word prediction bench for Catalan and Castilian over the corpus that
# scripts/corpus/fetch.sh gathers (a minute or two), the refresh ranking the next
# keys of the language's scanning keyboard too. It types the first whole lines,
# up to 40 KB, of each language's everyday held-out text: enough for steady
# figures, where the whole held-out text with next keys takes many minutes.
# Usage: run.sh BIN-DIR [CORPUS-DIR]   (CORPUS-DIR defaults to $ORVALET_CORPUS)
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="${1:?usage: $0 BIN-DIR [CORPUS-DIR]}"
corpus="${2:-${ORVALET_CORPUS:-}}"
if [ -z "$corpus" ] || [ ! -d "$corpus" ]; then
    echo "bench/predict: no corpus folder given (run scripts/corpus/fetch.sh DIR, then pass DIR); skipped"
    exit 0
fi
sample_bytes=40000
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
keyboard_ca=catala-escaneig.QuarnelTeclat
keyboard_es=castellano-escaneo.QuarnelTeclat
for language in ca es; do
    echo "== $language"
    keyboard="keyboard_$language"
    awk -v most="$sample_bytes" '{ size += length($0) + 1; if (size > most) exit; print }' \
        "$corpus/$language/everyday/heldout.txt" >"$scratch/$language.txt"
    "$bin/bench_predict" "$root/predict/lexicons/$language.txt" \
        "$scratch/$language.txt" "$corpus/$language/train.txt" \
        "$root/keyboards/${!keyboard}"
done
