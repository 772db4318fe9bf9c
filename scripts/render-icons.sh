#!/usr/bin/env bash
# Renders the program's icon (data/icons/hicolor/scalable/apps/*.svg) to the PNG sizes of the
# hicolor theme beside it. The PNGs are committed, so building needs no SVG renderer; run this
# after changing the SVG. Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
icons=$root/data/icons/hicolor
sizes=(16 22 24 32 48 64 128 256)

bash "$root/scripts/install-deps.sh" librsvg2-bin
for svg in "$icons"/scalable/apps/*.svg; do
    name=$(basename "$svg" .svg)
    for size in "${sizes[@]}"; do
        mkdir -p "$icons/${size}x${size}/apps"
        rsvg-convert --width "$size" --height "$size" "$svg" -o "$icons/${size}x${size}/apps/$name.png"
    done
    echo "$name: ${sizes[*]}"
done
