#!/usr/bin/env bash
# korvath.exe in a real window under Wine, inside the X server xvfb-run gives
# it: the window opens, shows the loading picture and then the level (each
# checked by its colours in a screenshot), and File > Exit ends the game with
# status 0; with a loading picture that is no JPEG, the game shows its box
# and, once it is answered, ends with status 3. Run by scripts/windows-test.sh as
#   xvfb-run -a scripts/windows-window-test.sh WINE
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
wine=$1
# A Wine server left from an earlier run still talks to that run's X display,
# which is gone: stop it, so that this run's programs start one of their own.
wineserver=$(dirname "$(readlink -f "$(command -v "$wine")")")/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
"$wineserver" -k 2>/dev/null || true
"$wineserver" -w 2>/dev/null || true
trap '"$wineserver" -k 2>/dev/null || true' EXIT
shots=build/windows/window
rm -rf "$shots"
mkdir -p "$shots"
"$wine" build/windows/korvath.exe >"$shots/game.log" 2>&1 &
game=$!
window=""
for _ in $(seq 150); do
  window=$(xdotool search --name '^Korvath$' 2>/dev/null | head -1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "windows-window-test: korvath.exe opened no window" >&2
  kill $game || true
  exit 1
fi
sleep 1
xwd -silent -id "$window" -out "$shots/loading.xwd"
sleep 3
xwd -silent -id "$window" -out "$shots/level.xwd"
# File, then Exit, where the menu bar draws them.
xdotool mousemove --window "$window" 26 10 click 1
sleep 0.5
xdotool mousemove --window "$window" 36 34 click 1
status=0
wait $game || status=$?
python3 - "$shots/loading.xwd" "$shots/level.xwd" <<'PYTHON'
import struct, sys

def mean(path, box):
    """The mean colour of a box (x0, y0, x1, y1) of a 32-bit TrueColor xwd file."""
    data = open(path, "rb").read()
    header = struct.unpack(">25I", data[:100])
    size, width, bytes_per_line, colours = header[0], header[4], header[12], header[19]
    pixels = data[size + colours * 12:]
    total, count = [0, 0, 0], 0
    for y in range(box[1], box[3]):
        for x in range(box[0], box[2]):
            b, g, r = pixels[y * bytes_per_line + 4 * x: y * bytes_per_line + 4 * x + 3]
            total = [total[0] + r, total[1] + g, total[2] + b]
            count += 1
    return [t / count for t in total]

loading, level = sys.argv[1], sys.argv[2]
# The loading picture: a dark blue ground behind the pale yellow title.
ground = mean(loading, (20, 500, 780, 590))
title = mean(loading, (250, 160, 550, 230))
# The level: the daytime sky, blue over green, at the top of the view.
sky = mean(level, (300, 40, 500, 80))
faults = []
if not (ground[2] > ground[0] and max(ground) < 90):
    faults.append("the loading picture's ground is %s, not dark blue" % ground)
if not (title[0] > 80 and title[0] > title[2]):
    faults.append("the loading picture's title is %s, not yellow" % title)
if not (sky[2] > 120 and sky[2] > sky[0]):
    faults.append("the level's sky is %s, not blue" % sky)
for fault in faults:
    print("windows-window-test: " + fault, file=sys.stderr)
sys.exit(1 if faults else 0)
PYTHON
if [ $status -ne 0 ]; then
  echo "windows-window-test: File > Exit ended korvath.exe with status $status" >&2
  exit 1
fi
echo "windows-window-test: korvath.exe showed the loading picture and the level; File > Exit: status 0"

# A data folder whose first loading picture is not a JPEG.
broken=$(mktemp -d /tmp/korvath_broken_XXXXXX)
mkdir "$broken/gamedata"
for entry in gamedata/*; do
  [ "$(basename "$entry")" = loading1.jpg ] || ln -s "$root/$entry" "$broken/gamedata/"
done
echo "not a picture" > "$broken/gamedata/loading1.jpg"
(cd "$broken" && "$wine" "$root/build/windows/korvath.exe" >"$root/$shots/broken.log" 2>&1) &
game=$!
box=""
for _ in $(seq 150); do
  box=$(xdotool search --name '^ERROR$' 2>/dev/null | head -1 || true)
  [ -n "$box" ] && break
  sleep 0.2
done
[ -n "$box" ] && xdotool windowfocus "$box" key Return
status=0
wait $game || status=$?
rm -rf "$broken"
if [ -z "$box" ] || [ $status -ne 3 ]; then
  echo "windows-window-test: a broken loading picture gave ${box:+its box and }status $status, not its box and 3" >&2
  exit 1
fi
echo "windows-window-test: a broken loading picture showed its box and ended korvath.exe with status 3"
