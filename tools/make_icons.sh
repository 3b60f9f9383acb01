#!/usr/bin/env bash
# Renders the PNG sizes of the program and document icons from their SVG
# sources in desktop/icons (48 and 256 pixels), which the install puts into
# the hicolor theme.  The PNGs are committed, so a build needs no renderer.
# Needs rsvg-convert (Debian librsvg2-bin).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
icons="$root/desktop/icons"
for svg in "$icons"/*.svg; do
  name=$(basename "$svg" .svg)
  for size in 48 256; do
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$icons/$name-$size.png"
  done
done
