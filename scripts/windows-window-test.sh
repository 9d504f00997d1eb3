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
# No Wine server left from an earlier run, with its display gone.
source scripts/wine-server.sh
find_wine_server "$wine"
stop_wine_server
trap '"$wineserver" -k 2>/dev/null || true' EXIT
shots=build/windows/window
source scripts/window-watch.sh

rm -rf "$shots"
mkdir -p "$shots"
"$wine" build/windows/korvath.exe >"$shots/game.log" 2>&1 &
game=$!
window=$(find_window Korvath)
if [ -z "$window" ]; then
  echo "windows-window-test: korvath.exe opened no window" >&2
  kill $game || true
  exit 1
fi
# Shots until the loading picture shows, then until the level does.
if ! await_shot loading loading || ! await_shot level level; then
  kill $game || true
  exit 1
fi
# File, then Exit, where the menu bar draws them.
xdotool mousemove --window "$window" 26 10 click 1
sleep 0.5
xdotool mousemove --window "$window" 36 34 click 1
status=0
wait $game || status=$?
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
box=$(find_window ERROR)
[ -n "$box" ] && xdotool windowfocus "$box" key Return
status=0
wait $game || status=$?
rm -rf "$broken"
if [ -z "$box" ] || [ $status -ne 3 ]; then
  echo "windows-window-test: a broken loading picture gave ${box:+its box and }status $status, not its box and 3" >&2
  exit 1
fi
echo "windows-window-test: a broken loading picture showed its box and ended korvath.exe with status 3"
