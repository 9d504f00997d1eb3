#!/bin/sh
# Records a short game under a virtual X display (keys sent with xdotool),
# replays the recording headless, and compares the hero's positions.
# Needs xvfb-run, xdotool and python3. Run from the repository's top folder
# after building: tools/replay/record_check.sh [build]
set -eu
build=${1:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/play.sh" <<SCRIPT
ALSOFT_DRIVERS=null "$build/korvath-replay" --record "$work/keys.txt" --trace "$work/live.jsonl" 2>/dev/null &
game=\$!
sleep 4
window=\$(xdotool search --name Korvath | head -1)
for key in Right Right Right space Right Right Right Right; do
    xdotool keydown --window "\$window" "\$key"; sleep 0.05
    xdotool keyup --window "\$window" "\$key"; sleep 0.6
done
sleep 1
xdotool key --window "\$window" alt+F4 2>/dev/null || true
wait \$game
SCRIPT
xvfb-run -a -s "-screen 0 1024x768x24" sh "$work/play.sh"
"$build/korvath-replay" --no-render --input "$work/keys.txt" --trace "$work/replay.jsonl" 2>/dev/null

python3 - "$work/live.jsonl" "$work/replay.jsonl" <<'PY'
import json, sys

def positions(path):
    seen = []
    for line in open(path):
        record = json.loads(line)
        hero = record.get("hero")
        if hero and (not seen or seen[-1] != hero):
            seen.append(hero)
    return seen

live, replay = positions(sys.argv[1]), positions(sys.argv[2])
print("live: %d positions, ending at %s" % (len(live), live[-1] if live else None))
print("replay: %d positions, ending at %s" % (len(replay), replay[-1] if replay else None))
sys.exit(0 if live and live == replay else 1)
PY
