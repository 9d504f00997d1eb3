#!/usr/bin/env bash
# Draws the program's icon (a miner's helmet with its lamp lit, over a crate,
# on a dark tile) in the sizes desktops use, into packaging/icons/.
# Needs ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")/../../packaging/icons"
convert -size 256x256 xc:none \
  -fill '#1b2740' -draw 'roundrectangle 6,6 249,249 44,44' \
  -fill '#8a5a2b' -draw 'rectangle 60,150 196,232' \
  -stroke '#5b3a1a' -strokewidth 8 -draw 'line 64,154 192,228' -draw 'line 192,154 64,228' \
  -fill none -draw 'rectangle 64,154 192,228' -stroke none \
  -fill '#f2c200' -draw 'ellipse 128,134 86,74 180,360' \
  -fill '#d9a900' -draw 'rectangle 30,128 226,146' \
  -fill '#fff3a8' -stroke '#b38a00' -strokewidth 6 -draw 'circle 128,96 128,76' \
  -stroke none korvath-256.png
for size in 16 32 48 64 128; do
  convert korvath-256.png -resize ${size}x${size} korvath-$size.png
done
