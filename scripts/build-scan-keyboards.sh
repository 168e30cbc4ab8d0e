#!/usr/bin/env bash
# Builds the keyboards for single-switch scanning that Orvalet ships,
# keyboards/catala-escaneig.QuarnelTeclat and keyboards/castellano-escaneo.QuarnelTeclat,
# from free Catalan and Castilian texts that Debian packages ship, technical and everyday, and
# draws their pictures in docs/. The texts are gathered by scripts/corpus/fetch.sh; a part of
# them is held out of the build, and the figures printed at the end are measured on that part,
# register by register, with the built-in keyboard and the example keyboards beside them.
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
# The language, the keyboard built for scanning, the example keyboard of that language and
# the picture.
build() {
    local language="$1" keyboard="$2" example="$3" picture="$4"
    "$scancost" --build "keyboards/$keyboard" --language "$language" \
        "$corpus/$language/technical/train.txt" "$corpus/$language/everyday/train.txt"
    "$scancost" -k "keyboards/$keyboard" --picture "docs/$picture" --language "$language" \
        "$corpus/$language/everyday/heldout.txt" >/dev/null
    for register in everyday technical; do
        echo "== held-out $language text, $register"
        "$scancost" -k "keyboards/$keyboard" -k "keyboards/$example" --built-in \
            --language "$language" "$corpus/$language/$register/heldout.txt" |
            sed -n '/^Scan actions per character typed:$/,$p'
    done
    if [[ $table == yes ]]; then
        echo "== $language registers"
        "$scancost" --register-table --language "$language" \
            "$corpus/$language/technical" "$corpus/$language/everyday"
    fi
}
build ca catala-escaneig.QuarnelTeclat catala.QuarnelTeclat scan-cost-catala.png
build es castellano-escaneo.QuarnelTeclat castellano.QuarnelTeclat scan-cost-castellano.png
