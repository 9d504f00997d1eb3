#!/usr/bin/env bash
# Full screen in a real window, on X servers without a window manager, one
# wider than the picture's 4:3 (bars at the sides) and one taller (bars above
# and below): once the level shows, Alt+Enter fills the screen with the
# 800 x 600 picture scaled to fit between black bars, the menu bar works where
# it is drawn (Info > Controls opens the dialog, Enter closes it), Alt+Enter
# brings back the 800 x 600 window showing the level, a second Alt+Enter fills
# the screen again, and File > Exit, clicked there, ends the game with status
# 0. Each picture is checked by its colours (scripts/screen-colours.py).
# Usage: scripts/full-screen-test.sh [BUILD_DIR [WINE]]   (needs xvfb-run, xdotool and xwd)
# With WINE, the program is BUILD_DIR/korvath.exe under that Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
build=${1:-build}
wine=${2:-}
if [ -z "${KORVATH_FULL_SCREEN_INNER:-}" ]; then
  for tool in xvfb-run xdotool xwd; do
    command -v $tool >/dev/null || { echo "full-screen-test: $tool is needed" >&2; exit 1; }
  done
  for screen in 1600x900 1280x1024; do
    KORVATH_FULL_SCREEN_INNER=$screen xvfb-run -a -s "-screen 0 ${screen}x24" "$0" "$build" "$wine"
  done
  exit 0
fi
screen=$KORVATH_FULL_SCREEN_INNER
width=${screen%x*} height=${screen#*x}
shots=$build/full-screen/$screen
rm -rf "$shots"
mkdir -p "$shots"
source scripts/window-watch.sh
fail() {
  echo "full-screen-test ($screen): $*" >&2
  kill "$game" 2>/dev/null || true
  exit 1
}
# Waits until the window shows $1 (in the shot $2), or fails.
await() { await_shot "$1" "$2" || fail "the window never showed $1"; }
size() { xdotool getwindowgeometry --shell "$window" | awk -F= '/^WIDTH/ { w = $2 } /^HEIGHT/ { h = $2 } END { print w "x" h }'; }
# The screen's point over the picture's point ($1, $2), as the picture is scaled.
click() {
  read -r x y < <(awk -v W="$width" -v H="$height" -v px="$1" -v py="$2" 'BEGIN {
    s = W / 800 < H / 600 ? W / 800 : H / 600
    printf "%d %d\n", (W - int(800 * s + 0.5)) / 2 + px * s, (H - int(600 * s + 0.5)) / 2 + py * s }')
  xdotool mousemove "$x" "$y" click 1
  sleep 0.5
}
if [ -n "$wine" ]; then
  source scripts/wine-server.sh
  find_wine_server "$wine"
  stop_wine_server
  trap '"$wineserver" -k 2>/dev/null || true' EXIT
  "$wine" "$build/korvath.exe" >"$shots/game.log" 2>&1 &
else
  ALSOFT_DRIVERS=null "$build/korvath" >"$shots/game.log" 2>&1 &
fi
game=$!
window=$(find_window Korvath)
[ -n "$window" ] || fail "korvath opened no window"
await level window-level
xdotool key --window "$window" alt+Return 2>/dev/null
await full full-level
[ "$(size)" = "$screen" ] || fail "full screen is $(size), not $screen"
click 114 10  # Info
click 138 51  # Controls
await full-dialog full-controls
xdotool key --window "$window" Return 2>/dev/null
await full full-level-again
xdotool key --window "$window" alt+Return 2>/dev/null
await level window-back
[ "$(size)" = 800x600 ] || fail "back from full screen the window is $(size), not 800x600"
xdotool key --window "$window" alt+Return 2>/dev/null
await full full-again
click 26 10  # File
click 36 34  # Exit
status=0
wait "$game" || status=$?
[ $status -eq 0 ] || fail "File > Exit in full screen ended korvath with status $status"
echo "full-screen-test ($screen): full screen with bars, its menu, back to the 800x600 window and again; File > Exit: status 0"
