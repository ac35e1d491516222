#!/usr/bin/env bash
# Renders the committed PNG icons from their SVG sources; run it after redrawing the icon.
# Needs rsvg-convert (Debian package librsvg2-bin), which only this step uses, so the build
# itself does without it.
set -euo pipefail
icons=$(cd "$(dirname "$0")/../data/icons" && pwd)
# The smallest size has a drawing of its own, laid on the pixel grid so that it stays sharp.
rsvg-convert -w 16 -h 16 "$icons/tazune-16.svg" -o "$icons/tazune-16.png"
for size in 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" "$icons/tazune.svg" -o "$icons/tazune-$size.png"
done
