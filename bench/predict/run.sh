#!/bin/bash
# Runs the word prediction bench for Catalan and Castilian over the corpus that
# scripts/corpus/fetch.sh gathers (a few minutes), the refresh ranking the next
# keys of the language's scanning keyboard too.
# Usage: run.sh BIN-DIR [CORPUS-DIR]   (CORPUS-DIR defaults to $ORVALET_CORPUS)
set -eu
root="$(cd "$(dirname "$0")/../.." && pwd)"
bin="${1:?usage: $0 BIN-DIR [CORPUS-DIR]}"
corpus="${2:-${ORVALET_CORPUS:-}}"
if [ -z "$corpus" ] || [ ! -d "$corpus" ]; then
    echo "bench/predict: no corpus folder given (run scripts/corpus/fetch.sh DIR, then pass DIR); skipped"
    exit 0
fi
keyboard_ca=catala-escaneig.QuarnelTeclat
keyboard_es=castellano-escaneo.QuarnelTeclat
for language in ca es; do
    echo "== $language"
    keyboard="keyboard_$language"
    "$bin/bench_predict" "$root/predict/lexicons/$language.txt" \
        "$corpus/$language/heldout.txt" "$corpus/$language/train.txt" \
        "$root/keyboards/${!keyboard}"
done
