# Shell functions for the scripts that watch a real window in a virtual X
# server (sourced, not run): finding the window by its title, and waiting
# until it shows what is awaited. Needs xdotool and xwd.

# The id of the first window whose title is exactly $1, waiting for it at
# most 30 s; empty when none comes.
find_window() {
  local found=""
  for _ in $(seq 150); do
    found=$(xdotool search --name "^$1\$" 2>/dev/null | head -1 || true)
    [ -n "$found" ] && break
    sleep 0.2
  done
  echo "$found"
}

# Takes a shot of the window $window into $shots/$2.xwd every 0.3 s, for at
# most 30 s, until it shows $1 (scripts/screen-colours.py); if it never does,
# says what it saw and returns 1.
await_shot() {
  for _ in $(seq 100); do
    xwd -silent -id "$window" -out "$shots/$2.xwd"
    scripts/screen-colours.py "$1" "$shots/$2.xwd" 2>/dev/null && return 0
    sleep 0.3
  done
  scripts/screen-colours.py "$1" "$shots/$2.xwd" || true
  echo "the window never showed the $1 (last shot: $shots/$2.xwd)" >&2
  return 1
}
