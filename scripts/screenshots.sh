#!/usr/bin/env bash
# Makes the screenshots of docs/screenshots/ with korvath-replay --shot from
# both levels' solutions: the loading picture, both levels at the moments that
# show their puzzles, the bomb gauge with a bomb, the explosions, three later
# levels of the campaign part of the way through their solutions, and the end
# picture. The moments are read off a trace of the same replay. Then the
# hint: an arrow over the hero after one press, and the cross once the only
# bomb is wasted; the dead end told without asking; level 1 complete; a
# death in level 2's spikes; the Controls and About dialogs; Shift+Right
# looking ahead to level 1's exit; and, where xvfb-run is installed, full
# screen on a 16:9 display (scripts/full-screen-test.sh's shot, at half size).
set -euo pipefail
cd "$(dirname "$0")/.."
out=docs/screenshots
work=$(mktemp -d /tmp/korvath_shots_XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out"
build/korvath-level solution > "$work/keys.txt"
build/korvath-replay --input "$work/keys.txt" --until ended --no-render --trace "$work/trace.jsonl"

# The time of the Nth play of a sound slot (1 = the first), plus an offset.
# Slots: 0 bomb pickup, 1 checkpoint, 3-5 explosions, 7 switch, 10 barrel
# roll, 11 sliding push.
after_sound() {
  grep -E "\"slot\":($1),\"op\":\"play_once\"" "$work/trace.jsonl" |
    sed -n "${2}p" | sed 's/{"t":\([0-9]*\).*/\1/' | awk -v d="$3" '{ print $1 + d }'
}
after_phase() {
  grep "\"level\":$1,\"phase\":\"$2\"" "$work/trace.jsonl" | head -1 |
    sed 's/{"t":\([0-9]*\).*/\1/' | awk -v d="$3" '{ print $1 + d }'
}

shots=(
  "$(after_phase 1 LoadLevel 900):loading"
  "$(after_phase 1 Playing 250):level1"
  "$(after_sound 0 1 230):level1-bomb-gauge"
  "$(after_sound '3|4|5' 1 70):level1-explosion"
  "$(after_sound 11 2 120):level1-crate-over-the-holder"
  "$(after_sound 1 1 300):level1-checkpoint"
  "$(after_sound 10 1 300):level2-rolling-barrel"
  "$(after_sound 7 1 500):level2-switch-and-bridge"
  "$(after_sound '3|4|5' 2 70):level2-explosion"
  "$(grep -m1 '"finished":true' "$work/trace.jsonl" | sed 's/{"t":\([0-9]*\).*/\1/' | awk '{ print $1 + 1000 }'):level1-complete"
)
args=()
last=0
for shot in "${shots[@]}"; do
  args+=(--shot "${shot%%:*}:$out/${shot#*:}.png")
  [ "${shot%%:*}" -gt "$last" ] && last=${shot%%:*}
done
build/korvath-replay --input "$work/keys.txt" --until "$last" "${args[@]}"
# The end picture: a game begun past the last level shows it at once.
build/korvath-replay --level 999 --until 1000 --shot "900:$out/end.png"

# A hint shows for two seconds from the moment it is traced.
hint_shot() {
  printf "$1" > "$work/hint.txt"
  build/korvath-replay --input "$work/hint.txt" --no-render --trace "$work/hint.jsonl"
  local at
  at=$(grep '"event":"hint"' "$work/hint.jsonl" | head -1 | sed 's/{"t":\([0-9]*\).*/\1/')
  build/korvath-replay --input "$work/hint.txt" --until $((at + 1200)) \
    --shot "$((at + 1000)):$out/$2.png"
}
hint_shot 'next Right\nnext Hint\n' level1-hint
hint_shot 'next Right\nnext Right\nnext Space\nnext Hint\n' level1-no-way

# The dead end told by itself once the wasted bomb's blast has settled.
printf 'next Right\nnext Right\nnext Space\n' > "$work/dead-end.txt"
build/korvath-replay --input "$work/dead-end.txt" --no-render --trace "$work/dead-end.jsonl"
at=$(grep -m1 '"event":"dead end"' "$work/dead-end.jsonl" | sed 's/{"t":\([0-9]*\).*/\1/')
build/korvath-replay --input "$work/dead-end.txt" --until $((at + 600)) \
  --shot "$((at + 500)):$out/level1-dead-end.png"

# Level 2: walking on past the switch onto the open bridge falls into the spikes.
for _ in $(seq 14); do echo "next Right"; done > "$work/die.txt"
build/korvath-replay --level 2 --input "$work/die.txt" --no-render --trace "$work/die.jsonl"
at=$(grep -m1 '"dead":true' "$work/die.jsonl" | sed 's/{"t":\([0-9]*\).*/\1/')
build/korvath-replay --level 2 --input "$work/die.txt" --until $((at + 300)) \
  --shot "$((at + 230)):$out/level2-death.png"

# A level of the campaign, part of the way through its own solution (FRACTION
# of the time from the level's first tick to the last before its end).
level_shot() { # level fraction name
  build/korvath-level solution "gamedata/levels/level$1.txt" > "$work/level.txt"
  build/korvath-replay --level "$1" --input "$work/level.txt" --no-render --trace "$work/level.jsonl"
  local at
  at=$(grep "\"level\":$1,\"phase\":\"Playing\",\"hero\"" "$work/level.jsonl" |
    sed 's/{"t":\([0-9]*\).*/\1/' | awk -v f="$2" '{ t[NR] = $1 } END { print t[int(1 + f * (NR - 1))] }')
  build/korvath-replay --level "$1" --input "$work/level.txt" --until "$at" --shot "$at:$out/$3.png"
}
level_shot 6 0.55 level6-barrel-steps
level_shot 11 0.6 level11-crate-and-barrel
level_shot 13 0.45 level13-switchback
# The dialogs over level 1, and the view panned as far right as level 1 reaches
# (Shift is key code 16), the hero still at its start.
printf '5000 menu controls\n' > "$work/controls.txt"
build/korvath-replay --input "$work/controls.txt" --until 5600 --shot "5500:$out/controls.png"
printf '5000 menu about\n' > "$work/about.txt"
build/korvath-replay --input "$work/about.txt" --until 5600 --shot "5500:$out/about.png"
printf '5000 down 16\n5050 down Right\n' > "$work/look.txt"
build/korvath-replay --input "$work/look.txt" --until 8600 --shot "8500:$out/level1-look-ahead.png"
if command -v xvfb-run >/dev/null; then
  scripts/full-screen-test.sh build
  scripts/xwd-to-png.py --half build/full-screen/1600x900/full-level.xwd "$out/full-screen.png"
fi
ls "$out"
