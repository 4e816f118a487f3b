#!/usr/bin/env bash
# Renders the program's icon (resources/desktop/icons/*.svg) into the PNG
# sizes the desktop, the window and the Windows icon use, and packs the
# Windows .ico. The results are committed; run this after changing the SVG.
# Needs rsvg-convert (librsvg2-bin) and icotool (icoutils).
set -euo pipefail
icons="$(cd "$(dirname "$0")/../resources/desktop/icons" && pwd)"
svg="$icons/org.example.Vantorel.svg"
sizes=(16 24 32 48 64 128 256)
for s in "${sizes[@]}"; do
  rsvg-convert -w "$s" -h "$s" "$svg" -o "$icons/$s.png"
done
# 256 is stored as PNG inside the .ico, the small sizes as bitmaps.
icotool -c -o "$icons/vantorel.ico" "$icons"/{16,24,32,48,64,128}.png -r "$icons/256.png"
