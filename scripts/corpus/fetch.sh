#!/usr/bin/env bash
# Gather free Catalan (ca) and Castilian (es) prose from Debian 12 packages,
# technical and everyday, for building scanning keyboards and the
# word-prediction lexicon. Everyday Catalan is mostly machine-translated
# with Apertium, which this installs when it is missing (as root).
#
# Usage: scripts/corpus/fetch.sh OUTDIR
#
# Downloads the packages named in sources.tsv with apt-get download (nothing
# is installed) into OUTDIR/debs/, reusing the .deb files already there so
# that a second run neither downloads again nor changes its input, then
# writes:
#   OUTDIR/{ca,es}/{technical,everyday}/{train,heldout}.txt
#   OUTDIR/{ca,es}/{train,heldout}.txt   every register together
#   OUTDIR/SOURCES.txt   packages, versions, licences, files used and byte counts
# One paragraph per line, UTF-8.  Delete OUTDIR/debs to pick up newer
# package versions.
set -euo pipefail

die() { echo "fetch.sh: $*" >&2; exit 1; }

[[ $# -eq 1 ]] || die "usage: fetch.sh OUTDIR"
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
out=$1
debs=$out/debs
for tool in apt-get dpkg-deb dpkg-query python3; do
    command -v "$tool" >/dev/null || die "$tool is needed but not installed"
done
mkdir -p "$debs"

# The translator and its language pairs, and the dictionaries whose words alone a built
# keyboard's keys come from; only the corpus and the keyboards built from it need them.
translator=(apertium apertium-spa-cat apertium-eng-cat cg3 lttoolbox apertium-lex-tools
    hunspell-ca hunspell-es)
missing=()
for package in "${translator[@]}"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" ||
        missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    [[ $EUID -eq 0 ]] || die "install ${missing[*]} first (the everyday Catalan text is translated with them)"
    echo "fetch.sh: installing ${missing[*]}" >&2
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >&2 ||
        die "cannot install ${missing[*]}"
fi

mapfile -t packages < <(awk '!/^[[:space:]]*(#|$)/ { print $1 }' "$here/sources.tsv" | sort -u)

# Downloads land in a scratch folder first, so an interrupted run cannot
# leave a truncated .deb that later runs would take for a cached one.
tmp=$(mktemp -d "$out/.download.XXXXXX")
trap 'rm -rf "$tmp"' EXIT

fetch() {
    (cd "$tmp" && apt-get download "$1") >"$tmp/log" 2>&1
}

updated=no
for pkg in "${packages[@]}"; do
    if compgen -G "$debs/${pkg}_*.deb" >/dev/null; then
        continue
    fi
    echo "fetch.sh: downloading $pkg" >&2
    if ! fetch "$pkg"; then
        # An old or missing package list names versions the mirror no longer
        # has; refreshing it once is all a root user can do about that.
        if [[ $updated == no && $EUID -eq 0 ]]; then
            apt-get update -qq >&2 || die "apt-get update failed"
            updated=yes
        fi
        if ! fetch "$pkg"; then
            cat "$tmp/log" >&2
            die "cannot download package $pkg"
        fi
    fi
    mv "$tmp"/*.deb "$debs/"
done

python3 "$here/extract.py" "$here/sources.tsv" "$debs" "$out"
