#!/usr/bin/env bash
# Draws the model textures (gamedata/models/*.jpg) and the loading and end
# pictures (gamedata/*.jpg) with ImageMagick. Every output is a baseline
# three-component JPEG with power-of-two sides. Noise is seeded, so the
# output is the same on every run.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
data="$here/../../gamedata"
models="$data/models"
mkdir -p "$models"

jpeg() { # options..., output: writes an RGB baseline JPEG
    local out=${!#}
    convert "${@:1:$#-1}" -strip -colorspace sRGB -type TrueColor -interlace none -quality 85 \
        -sampling-factor 2x2 "$out"
}

# A flat colour with a little seeded grain.
grain() { # size colour amount output
    jpeg -seed 7 -size "$1x$1" "xc:$2" -attenuate "$3" +noise Gaussian "$4"
}

grain 64 '#8a8f96' 0.6 "$models/metal.jpg"
grain 64 '#d8dde3' 0.3 "$models/spike.jpg"
grain 64 '#8b5a2b' 0.8 "$models/wood.jpg"
# The bomb's shell: dark blue steel with a highlight up and to the left of
# its front (the sphere's texture wraps round from the front, u = 0).
jpeg -seed 15 -size 64x64 xc:'#2a3046' -attenuate 0.4 +noise Gaussian -fill '#e4ecff' \
    -draw 'ellipse 57,19 6,5 0,360' -draw 'ellipse -7,19 6,5 0,360' -blur 0x1 "$models/bomb.jpg"
grain 64 '#ffe08a' 0.0 "$models/rim.jpg"
grain 64 '#ff9a1a' 0.3 "$models/fuse.jpg"
grain 64 '#d02020' 0.2 "$models/knob.jpg"
grain 64 '#c8202a' 0.2 "$models/flag_red.jpg"
grain 64 '#20b040' 0.2 "$models/flag_green.jpg"
grain 64 '#f0c09a' 0.2 "$models/skin.jpg"
grain 64 '#d2452f' 0.3 "$models/shirt.jpg"
grain 64 '#2f56a0' 0.4 "$models/pants.jpg"
grain 64 '#8a5a2e' 0.3 "$models/glove.jpg"
grain 64 '#3a2a1e' 0.3 "$models/boot.jpg"
grain 64 '#141418' 0.0 "$models/outline.jpg"
grain 64 '#fff6d0' 0.0 "$models/lamp.jpg"
grain 64 '#000000' 0.0 "$models/picture_blank.jpg"
grain 64 '#60f070' 0.2 "$models/exit_glow.jpg"

# The hero's face is 7 units wide and 4 high: drawn here 9 pixels to the unit
# across and 16 down, so its round eyes are tall ellipses.
jpeg -size 64x64 xc:'#f0c09a' -fill '#f2a088' -draw 'ellipse 8,44 6,7 0,360' -draw 'ellipse 56,44 6,7 0,360' \
    -fill white -draw 'ellipse 19,28 7,12 0,360' -draw 'ellipse 45,28 7,12 0,360' \
    -fill '#1c1c28' -draw 'ellipse 20,31 4,7 0,360' -draw 'ellipse 44,31 4,7 0,360' \
    -stroke '#5a3420' -strokewidth 3 -draw 'line 11,12 26,10' -draw 'line 38,10 53,12' \
    -fill none -stroke '#8a2a20' -strokewidth 3 -draw 'arc 22,42 42,56 20,160' "$models/face.jpg"
# The torso's front, 8.6 units by 8 at 8 pixels to the unit: dungarees with
# a bib, straps and buttons over the red shirt; its sides split the same way.
jpeg -size 64x64 xc:'#d2452f' -fill '#a8301e' -draw 'rectangle 0,0 63,2' -fill '#2f56a0' \
    -draw 'rectangle 0,30 63,63' -draw 'rectangle 14,13 50,63' -draw 'rectangle 11,0 18,14' \
    -draw 'rectangle 46,0 53,14' -fill '#264a8c' -draw 'rectangle 24,21 40,32' \
    -fill '#f2c12e' -draw 'circle 17,17 17,14' -draw 'circle 47,17 47,14' "$models/hero_front.jpg"
jpeg -size 64x64 xc:'#d2452f' -fill '#2f56a0' -draw 'rectangle 0,30 63,63' -fill '#a8301e' \
    -draw 'rectangle 0,0 63,2' "$models/hero_side.jpg"
jpeg -size 64x64 gradient:'#ffd84a-#d8960e' "$models/helmet.jpg"
jpeg -size 64x64 radial-gradient:'#fff6a0-#ff3000' "$models/fire.jpg"
jpeg -size 64x64 radial-gradient:'#ffffff-#ffd060' "$models/flash.jpg"
jpeg -seed 14 -size 64x64 radial-gradient:'#8a8480-#3a3432' -attenuate 0.6 +noise Gaussian -blur 0x1 \
    "$models/smoke.jpg"
jpeg -size 64x64 gradient:'#fff080-#b07000' "$models/gold.jpg"
jpeg -seed 3 -size 128x128 xc:'#7a7a80' -attenuate 1.2 +noise Gaussian \
    -fill none -stroke '#4a4a50' -strokewidth 3 -draw 'rectangle 1,1 126,126' "$models/stone.jpg"
jpeg -seed 4 -size 128x128 xc:'#a04a30' -attenuate 0.8 +noise Gaussian -stroke '#d8c8b0' \
    -strokewidth 3 -draw 'line 0,32 128,32' -draw 'line 0,64 128,64' -draw 'line 0,96 128,96' \
    -draw 'line 0,1 128,1' -draw 'line 64,0 64,32' -draw 'line 32,32 32,64' \
    -draw 'line 96,32 96,64' -draw 'line 64,64 64,96' -draw 'line 32,96 32,128' \
    -draw 'line 96,96 96,128' "$models/brick.jpg"
jpeg -seed 5 -size 128x128 xc:'#8a6a4a' -attenuate 1.0 +noise Gaussian -stroke '#2a1a10' \
    -strokewidth 3 -draw 'polyline 10,0 30,40 20,70 45,128' -draw 'polyline 128,20 80,50 90,90 60,128' \
    -draw 'line 30,40 80,50' "$models/cracked.jpg"
jpeg -seed 6 -size 128x128 xc:'#b8843c' -attenuate 0.7 +noise Gaussian -fill none -stroke '#5a3a18' \
    -strokewidth 8 -draw 'rectangle 4,4 123,123' -strokewidth 6 -draw 'line 8,8 120,120' \
    -draw 'line 120,8 8,120' "$models/crate.jpg"
# The barrel's side runs round the barrel across the picture (staves) and
# along it downwards (two hoops); the lid is the end facing the viewer.
jpeg -seed 8 -size 128x128 xc:'#8a5428' -attenuate 0.8 +noise Gaussian -stroke '#4a2a12' -strokewidth 2 \
    -draw 'line 8,0 8,128' -draw 'line 24,0 24,128' -draw 'line 40,0 40,128' -draw 'line 56,0 56,128' \
    -draw 'line 72,0 72,128' -draw 'line 88,0 88,128' -draw 'line 104,0 104,128' \
    -draw 'line 120,0 120,128' -stroke '#2c2c34' -strokewidth 12 -draw 'line 0,24 128,24' \
    -draw 'line 0,104 128,104' "$models/barrel.jpg"
jpeg -seed 9 -size 128x128 xc:'#94602e' -attenuate 0.6 +noise Gaussian -stroke '#5a3418' -strokewidth 2 \
    -draw 'line 0,40 128,40' -draw 'line 0,64 128,64' -draw 'line 0,88 128,88' -fill none \
    -stroke '#2c2c34' -strokewidth 10 -draw 'circle 64,64 64,5' -stroke none -fill '#f0e6c8' \
    -font DejaVu-Sans-Bold -pointsize 40 -gravity center -annotate -14+10 'K' -fill '#1c140c' \
    -draw 'circle 90,38 90,30' -fill none -stroke '#c0a070' -strokewidth 2 -draw 'circle 90,38 90,29' \
    "$models/barrel_lid.jpg"
jpeg -size 64x128 gradient:'#030406-#1e2838' -fill '#2c3848' -draw 'rectangle 0,104 63,107' \
    -draw 'rectangle 0,116 63,119' -fill '#232e3e' -draw 'rectangle 0,92 63,94' "$models/doorway.jpg"
jpeg -seed 16 -size 64x64 xc:'#b49c7c' -attenuate 0.8 +noise Gaussian -stroke '#6e5a44' -strokewidth 2 \
    -draw 'line 0,1 64,1' -draw 'line 0,32 64,32' -draw 'line 32,0 32,32' -draw 'line 16,32 16,64' \
    -draw 'line 48,32 48,64' "$models/door_stone.jpg"
jpeg -seed 11 -size 128x128 xc:'#6a7480' -attenuate 0.3 +noise Gaussian -fill none -stroke '#3a4048' \
    -strokewidth 4 -draw 'rectangle 2,2 125,125' -fill '#c0c8d0' -stroke none -draw 'circle 12,12 12,8' \
    -draw 'circle 115,12 115,8' -draw 'circle 12,115 12,111' -draw 'circle 115,115 115,111' \
    "$models/panel.jpg"
jpeg -seed 12 -size 128x128 xc:'#7c7266' -fill '#5e564c' -draw 'circle 30,40 30,52' \
    -draw 'circle 92,88 92,99' -draw 'circle 104,22 104,29' -fill '#968c7e' -draw 'circle 64,104 64,112' \
    -attenuate 1.5 +noise Gaussian -blur 0x1 -fill none -stroke '#3e3832' -strokewidth 2 \
    -draw 'polyline 0,70 24,62 50,80 78,70 128,84' -draw 'polyline 60,0 66,30 52,52' "$models/rock.jpg"
jpeg -seed 13 -size 128x128 xc:'#b4aa98' -attenuate 0.9 +noise Gaussian -stroke '#7e7466' \
    -strokewidth 4 -draw 'line 8,0 8,128' -draw 'line 40,0 40,128' -draw 'line 72,0 72,128' \
    -draw 'line 104,0 104,128' "$models/pillar.jpg"
jpeg -size 64x64 xc:'#505a66' -fill '#9aa6b4' -draw 'rectangle 0,0 63,7' -draw 'rectangle 0,28 63,35' \
    -draw 'rectangle 0,56 63,63' -draw 'rectangle 0,0 7,63' -draw 'rectangle 28,0 35,63' \
    -draw 'rectangle 56,0 63,63' "$models/grate.jpg"

# The pictures are laid out at the 800x600 of the game window and squeezed to
# 512x512; drawn on the 4:3 view they come back to their proportions.
picture() { # background title subtitle output
    jpeg -size 800x600 "$1" -font DejaVu-Sans-Bold -fill '#f0e0a0' -stroke '#302010' -strokewidth 2 \
        -pointsize 120 -gravity center -annotate +0-90 "$2" -stroke none -fill white -pointsize 44 \
        -annotate +0+80 "$3" -resize '512x512!' "$4"
}
picture 'gradient:#203050-#080810' 'KORVATH' 'Level 1 - First Steps' "$data/loading1.jpg"
picture 'gradient:#304020-#080810' 'KORVATH' 'Level 2 - The Rolling Bridge' "$data/loading2.jpg"
picture 'gradient:#402030-#080810' 'The End' 'Thank you for playing Korvath' "$data/demo_end.jpg"

# Scenery. The sky and the hills repeat every 560 world units across their
# 512 and 256 pixels, the cliff every 140 units; each wraps round at its left
# and right edges (noise blurred as a tile, outlines made of whole periods).
# The sky picture spans y 300 (top) to -200 of the sky model.
ridge() { # width height snowline base amplitude harmonic...: a skyline repeating across
    # the width, sharp peaks and round valleys, as polygon points closed along the bottom
    # edge; with a snowline above 0, the line where the snow on the peaks above it ends
    python3 - "$@" <<'PY'
import math, sys
w, h, snow, base = int(sys.argv[1]), int(sys.argv[2]), float(sys.argv[3]), float(sys.argv[4])
terms = [(float(a), int(n)) for a, n in zip(sys.argv[5::2], sys.argv[6::2])]
peak = lambda t: 1 - abs(math.sin(math.pi * t))
top = lambda x: base - sum(a * peak(n * x / w + 0.37 * n) for a, n in terms)
line = (lambda y: y if y >= snow else min(snow, y + 16)) if snow > 0 else (lambda y: y)
pts = ["%d,%.1f" % (x, line(top(x))) for x in range(-2, w + 3, 2)]
print(" ".join(["-2,%d" % h] + pts + ["%d,%d" % (w + 2, h)]))
PY
}
jpeg -size 512x170 gradient:'#1a376e-#5f8fc6' \( -size 512x130 gradient:'#5f8fc6-#f3d6a4' \) -append \( -size 512x212 gradient:'#dccbb4-#7d88a6' \) -append \
    -fill '#e6e9f2' -draw "polygon $(ridge 512 512 0 300 40 1 22 3 10 7 4 17)" \
    -fill '#a3abc9' -draw "polygon $(ridge 512 512 268 300 40 1 22 3 10 7 4 17)" \
    -fill '#6e7aa2' -draw "polygon $(ridge 512 512 0 318 22 2 12 5 5 11)" \
    -virtual-pixel tile -blur 0x0.8 "$models/sky.jpg"
jpeg -seed 21 -size 256x256 gradient:'#5e8a5c-#17291c' -attenuate 0.4 +noise Gaussian \
    -virtual-pixel tile -blur 0x1 "$models/hills.jpg"
octave() { # seed blur: tileable grey noise at one scale
    echo "( -seed $1 -size 256x256 xc:gray50 -attenuate 10 +noise Gaussian -colorspace gray"
    echo "-virtual-pixel tile -blur 0x$2 -auto-level )"
}
# shellcheck disable=SC2046 # the octaves are word lists on purpose
jpeg $(octave 31 14) $(octave 32 4) -compose overlay -composite \( -seed 33 -size 256x256 xc:gray50 \
    -attenuate 3 +noise Gaussian -colorspace gray -virtual-pixel tile -motion-blur 0x12+0 \) \
    -compose overlay -composite -virtual-pixel tile -blur 0x0.6 +level 20%,80% -colorspace sRGB \
    +level-colors '#241c16','#7e6b58' "$models/cliff.jpg"
