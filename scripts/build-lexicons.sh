#!/usr/bin/env bash
# Builds the word prediction lexicons predict/lexicons/ca.txt and es.txt from
# the training part of the corpus that scripts/corpus/fetch.sh gathers, every
# register (everyday, technical) weighing as much as the largest.
# Usage: scripts/build-lexicons.sh CORPUS-DIR
# The lexicon builder is made into build/ (or $BUILD_DIR) first.
set -euo pipefail
die() { echo "build-lexicons.sh: $*" >&2; exit 1; }

[[ $# -eq 1 ]] || die "usage: build-lexicons.sh CORPUS-DIR"
root="$(cd "$(dirname "$0")/.." && pwd)"
corpus=$1
build="${BUILD_DIR:-$root/build}"

BUILD_DIR="$build" NINJA_TARGETS=orvalet-lexicon "$root/scripts/build.sh"
for language in ca es; do
    for register in technical everyday; do
        train="$corpus/$language/$register/train.txt"
        [[ -f $train ]] || die "$train is missing: run scripts/corpus/fetch.sh $corpus first"
    done
    "$build/bin/orvalet-lexicon" --language "$language" "$corpus/$language" "$root/predict/lexicons/$language.txt"
done
