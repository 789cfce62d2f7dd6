#!/bin/sh
# Renders the committed PNG icons from quotara.svg. Run after changing the drawing;
# needs rsvg-convert (Debian package librsvg2-bin) and optipng if installed.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" -o "quotara-$size.png" quotara.svg
    if command -v optipng >/dev/null; then optipng -quiet -o7 -strip all "quotara-$size.png"; fi
done
