#!/usr/bin/env bash
# Builds the keyboards for single-switch scanning that Orvalet ships,
# keyboards/catala-escaneig.QuarnelTeclat and keyboards/castellano-escaneo.QuarnelTeclat,
# from free Catalan and Castilian texts that Debian packages ship, technical and everyday, and
# draws their pictures in docs/. The texts are gathered by scripts/corpus/fetch.sh; a part of
# them is held out of the build, and the figures printed at the end are measured on that part,
# register by register, with the built-in keyboard and the example keyboards beside them.
#
# The group of predictions of each keyboard (how many next keys and words, and where) is chosen
# on an equal sample of each register's training text and written beside the keyboard file.
#
# With --register-table, it also prints for each language what keyboards built from each
# register alone, and from all, cost on every register's held-out text (a few minutes more).
#
# Usage: scripts/build-scan-keyboards.sh [--register-table] [CORPUS-FOLDER]
#        (default folder: build/corpus)
set -euo pipefail
table=no
if [[ ${1:-} == --register-table ]]; then
    table=yes
    shift
fi
root="$(cd "$(dirname "$0")/.." && pwd)"
corpus="$(realpath -m "${1:-$root/build/corpus}")"
scancost="${BUILD_DIR:-$root/build}/bin/orvalet-scancost"

"$root/scripts/corpus/fetch.sh" "$corpus"
NINJA_TARGETS=orvalet-scancost "$root/scripts/build.sh"

cd "$root"
# What each register gives to choosing the group of predictions: enough for its figure to hold,
# little enough for each layout tried to take seconds.
sample_bytes=6000
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# The language, the keyboard built for scanning, the example keyboard of that language and
# the picture.
build() {
    local language="$1" keyboard="$2" example="$3" picture="$4"
    "$scancost" --build "keyboards/$keyboard" --language "$language" \
        "$corpus/$language/technical/train.txt" "$corpus/$language/everyday/train.txt"
    "$scancost" -k "keyboards/$keyboard" --picture "docs/$picture" --language "$language" \
        "$corpus/$language/everyday/heldout.txt" >/dev/null
    local samples=()
    for register in everyday technical; do
        # Whole lines, so that no character is cut in two.
        awk -v most="$sample_bytes" 'NR % 10 == 5 { size += length($0) + 1; if (size > most) exit; print }' \
            "$corpus/$language/$register/train.txt" >"$scratch/$language-$register.txt"
        samples+=("$scratch/$language-$register.txt")
    done
    "$scancost" -k "keyboards/$keyboard" --place-predictions --language "$language" \
        "${samples[@]}" | sed -n '/^keyboards\//p'
    for register in everyday technical; do
        echo "== held-out $language text, $register"
        "$scancost" -k "keyboards/$keyboard" -k "keyboards/$example" --built-in \
            --language "$language" "$corpus/$language/$register/heldout.txt" |
            sed -n '/^Scan actions per character typed:$/,$p'
        "$scancost" -k "keyboards/$keyboard" --predict --language "$language" \
            "$corpus/$language/$register/heldout.txt" | grep '^With word prediction'
    done
    if [[ $table == yes ]]; then
        echo "== $language registers"
        "$scancost" --register-table --language "$language" \
            "$corpus/$language/technical" "$corpus/$language/everyday"
    fi
}
build ca catala-escaneig.QuarnelTeclat catala.QuarnelTeclat scan-cost-catala.png
build es castellano-escaneo.QuarnelTeclat castellano.QuarnelTeclat scan-cost-castellano.png
