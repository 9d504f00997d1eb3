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
# Yellow and black hazard paint: stripes at 45 degrees, 32 pixels apart, so
# that the picture repeats seamlessly.
jpeg -size 64x64 xc:'#f2c21b' -fill '#202020' \
    -draw 'polygon 0,0 16,0 -48,64 -64,64' -draw 'polygon 32,0 48,0 -16,64 -32,64' \
    -draw 'polygon 64,0 80,0 16,64 0,64' -draw 'polygon 96,0 112,0 48,64 32,64' "$models/hazard.jpg"
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

stars() { # count seed width top bottom: stars, small discs that stay bright through a
    # little blur, thicker towards the top, a few of them crosses; kept 5 pixels
    # off the left and right edges so that a picture that wraps round still does
    python3 - "$@" <<'PY'
import random, sys
rng = random.Random(int(sys.argv[2]))
width, top, bottom = (float(v) for v in sys.argv[3:6])
out = []
for i in range(int(sys.argv[1])):
    x, y = rng.uniform(5, width - 5), top + (bottom - top) * rng.random() ** 1.3
    grey = rng.choice(("#8890b0", "#a8b0d0", "#d0d8f0", "#ffffff"))
    r = rng.choice((0.7, 0.9, 1.1, 1.4))
    out.append("-fill '%s' -draw 'circle %.1f,%.1f %.1f,%.1f'" % (grey, x, y, x + r, y))
    if i % 19 == 0:
        out.append("-stroke '%s' -strokewidth 0.8 -draw 'line %.1f,%.1f %.1f,%.1f' "
                   "-draw 'line %.1f,%.1f %.1f,%.1f' -stroke none" % (grey, x - 4, y, x + 4, y, x, y - 4, x, y + 4))
print(" ".join(out))
PY
}
# The pictures are laid out at the 800x600 of the game window and squeezed to
# 512x512; drawn on the 4:3 view they come back to their proportions.
picture() { # background title subtitle [drawing...] output
    jpeg -size 800x600 "$1" "${@:4:$#-4}" -font DejaVu-Sans-Bold -fill '#f0e0a0' -stroke '#302010' -strokewidth 2 \
        -pointsize 120 -gravity center -annotate +0-90 "$2" -stroke none -fill white -pointsize 44 \
        -annotate +0+80 "$3" -resize '512x512!' "${!#}"
}
# The campaign's loading pictures, coloured by the scenery of their levels:
# day (1 to 5) blue and green, dusk (6 to 8) violet going orange, the mine
# (9 to 11) a lamp's brown, night (12 to 16) deep blue with stars.
level_picture() { # number name background [drawing...]
    picture "$3" 'KORVATH' "Level $1 - $2" "${@:4}" "$data/loading$1.jpg"
}
night_picture() { # number name background
    local sky
    eval "sky=($(stars 90 "$1" 800 8 560))"
    level_picture "$1" "$2" "$3" "${sky[@]}"
}
level_picture 1 'First Steps' 'gradient:#203050-#080810'
level_picture 2 'The Rolling Bridge' 'gradient:#304020-#080810'
level_picture 3 'Up and Over' 'gradient:#284a60-#080810'
level_picture 4 'A Crate for the Gap' 'gradient:#3a4a20-#080810'
level_picture 5 'Heads Up' 'gradient:#2a4050-#080810'
level_picture 6 'Barrel Steps' 'gradient:#3a2050-#5a2410'
level_picture 7 'Choose Your Wall' 'gradient:#44204a-#6a2c10'
level_picture 8 'Gatekeeper' 'gradient:#301a48-#4a1c14'
level_picture 9 'Pillars of the Deep' 'gradient:#4a3018-#0a0604'
level_picture 10 'Mind the Spikes' 'gradient:#52341a-#0a0604'
level_picture 11 'Crate and Barrel' 'gradient:#442a14-#0a0604'
night_picture 12 'Rockfall' 'gradient:#0c1838-#020308'
night_picture 13 'Switchback' 'gradient:#101c40-#020308'
night_picture 14 'The Long Way Down' 'gradient:#0a1430-#020308'
night_picture 15 'Powder Keg' 'gradient:#121a3c-#020308'
night_picture 16 "Korvath's Keep" 'gradient:#162044-#020308'
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
sky() { # gradient gradient gradient snow peaks range extra-drawing... output: the sky's
    # three bands from the top down (170, 130 and 212 pixels), the far peaks with
    # their snow above the snowline, and a lower range in front of them
    local top=$1 middle=$2 low=$3 snow=$4 peaks=$5 range=$6
    shift 6
    jpeg -size 512x170 "gradient:$top" \( -size 512x130 "gradient:$middle" \) -append \
        \( -size 512x212 "gradient:$low" \) -append "${@:1:$#-1}" \
        -fill "$snow" -draw "polygon $(ridge 512 512 0 300 40 1 22 3 10 7 4 17)" \
        -fill "$peaks" -draw "polygon $(ridge 512 512 268 300 40 1 22 3 10 7 4 17)" \
        -fill "$range" -draw "polygon $(ridge 512 512 0 318 22 2 12 5 5 11)" \
        -virtual-pixel tile -blur 0x0.8 "${!#}"
}
# Day: a blue sky, a sunlit snowy range and blue-grey foothills.
sky '#1a376e-#5f8fc6' '#5f8fc6-#f3d6a4' '#dccbb4-#7d88a6' '#e6e9f2' '#a3abc9' '#6e7aa2' \
    "$models/sky.jpg"
# Dusk: violet above, orange and rose at the horizon; the snow lit pink by
# the sunset, the mountains in violet shadow.
sky '#1c1438-#6a3a78' '#6a3a78-#f4904a' '#e8824e-#5a3050' '#f0a890' '#6a4a7a' '#45305a' \
    "$models/sky_dusk.jpg"
# Night: deep blue with stars; the snow a dim grey-blue under the moon (the
# moon itself is a disc of the night sky's model, in front of the picture).
# The stars are where the sky shows above the hills, 40 to 310 pixels down.
eval "starfield=($(stars 150 41 512 40 310))"
sky '#02030c-#0a1634' '#0a1634-#1c2c58' '#1c2a50-#0c1228' '#5a6688' '#1c2440' '#111830' \
    "${starfield[@]}" "$models/sky_night.jpg"
jpeg -seed 42 -size 64x64 radial-gradient:'#fffbe8-#e4dcc0' -fill '#c8c0a4' -draw 'circle 22,24 22,31' \
    -draw 'circle 40,40 40,45' -draw 'circle 42,18 42,21' -fill '#d4ccb2' -draw 'circle 26,46 26,49' \
    -attenuate 0.3 +noise Gaussian -blur 0x0.8 "$models/moon.jpg"
hills() { # top-colour bottom-colour output
    jpeg -seed 21 -size 256x256 "gradient:$1-$2" -attenuate 0.4 +noise Gaussian \
        -virtual-pixel tile -blur 0x1 "$3"
}
hills '#5e8a5c' '#17291c' "$models/hills.jpg"
hills '#3c4a3e' '#100e18' "$models/hills_dusk.jpg"
hills '#17222e' '#04060a' "$models/hills_night.jpg"
octave() { # seed blur: tileable grey noise at one scale
    echo "( -seed $1 -size 256x256 xc:gray50 -attenuate 10 +noise Gaussian -colorspace gray"
    echo "-virtual-pixel tile -blur 0x$2 -auto-level )"
}
cliff() { # dark light output: the rock face under the level, in two colours
    # shellcheck disable=SC2046 # the octaves are word lists on purpose
    jpeg $(octave 31 14) $(octave 32 4) -compose overlay -composite \( -seed 33 -size 256x256 xc:gray50 \
        -attenuate 3 +noise Gaussian -colorspace gray -virtual-pixel tile -motion-blur 0x12+0 \) \
        -compose overlay -composite -virtual-pixel tile -blur 0x0.6 +level 20%,80% -colorspace sRGB \
        +level-colors "$1","$2" "$3"
}
cliff '#241c16' '#7e6b58' "$models/cliff.jpg"
# In shadow: the same face darker, for the night and inside the mine.
cliff '#0e0c0b' '#3e3630' "$models/cliff_dark.jpg"
# The mine's back wall, 280 units across (two timber props) and 390 high,
# dark rock lit warm round the lamp that hangs in its middle, 58 units up:
# 226 pixels from the top.
# shellcheck disable=SC2046
jpeg $(octave 34 10) $(octave 35 3) -compose overlay -composite -virtual-pixel tile -blur 0x0.5 \
    -resize 512x512 +level 15%,85% -colorspace sRGB +level-colors '#0c0a09','#3c332c' \
    \( -size 512x512 xc:black -fill '#6a3e18' -draw 'ellipse 256,226 150,170 0,360' -blur 0x60 \) \
    -compose screen -composite \( -size 512x512 xc:black -fill '#c8883a' \
    -draw 'ellipse 256,226 40,50 0,360' -blur 0x24 \) -compose screen -composite "$models/mine_wall.jpg"
# Timber: dark, weathered wood whose grain runs across the picture.
jpeg -seed 36 -size 64x64 xc:gray50 -attenuate 4 +noise Gaussian -colorspace gray -virtual-pixel tile \
    -motion-blur 0x16+0 -auto-level -stroke gray15 -draw 'line 0,9 64,9' -draw 'line 0,30 64,30' \
    -draw 'line 0,51 64,51' -blur 0x0.5 -colorspace sRGB +level-colors '#2e1e10','#6e4c2e' "$models/timber.jpg"
