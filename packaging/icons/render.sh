#!/bin/sh
# Renders the committed PNG icons from the SVG drawing (needs rsvg-convert, librsvg2-bin).
set -eu
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" org.orvalet.Orvalet.svg -o "org.orvalet.Orvalet-$size.png"
done
