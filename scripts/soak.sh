#!/usr/bin/env bash
# A long soak of the sanitizer build: a seeded random player plays HOURS of
# game time across both levels (walking, climbing, bombs, deaths, the reset
# key, the change of level and the end picture), and korvath-replay from
# build/asan replays it without drawing. Fails on a crash, a sanitizer report,
# a replay that does not reach the end picture, or a heap at the end more
# than 10 % away from the heap once play began.
#   scripts/soak.sh HOURS [SEED]       (HOURS may be a fraction: 0.17 is ten minutes)
set -euo pipefail
cd "$(dirname "$0")/.."
hours=${1:?usage: scripts/soak.sh HOURS [SEED]}
seed=${2:-1}
minutes=$(awk -v h="$hours" 'BEGIN { m = int(h * 60 + 0.5); print (m < 1 ? 1 : m) }')
work=$(mktemp -d /tmp/korvath_soak_XXXXXX)
trap 'rm -rf "$work"' EXIT
build/korvath-random-player --seed "$seed" --minutes "$minutes" > "$work/keys.txt"
echo "soak: $minutes minutes of game time, $(wc -l < "$work/keys.txt") presses, seed $seed"
start=$(date +%s)
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  build/asan/korvath-replay --input "$work/keys.txt" --until $(( (minutes + 1) * 60000 )) --no-render --memory \
  --trace "$work/trace.jsonl"
grep -q '"phase":"Ended"' "$work/trace.jsonl" || { echo "soak: the end picture never showed" >&2; exit 1; }
bytes() { grep "\"at\":\"$1\"" "$work/trace.jsonl" | sed 's/.*"bytes":\([0-9]*\).*/\1/'; }
first=$(bytes "play begins") last=$(bytes end)
deaths=$(grep -c '"slot":2,"op":"play_once"' "$work/trace.jsonl" || true)
echo "soak: heap $first bytes once play began, $last at the end; $deaths deaths and resets;" \
  "$(( $(date +%s) - start )) s"
awk -v a="$first" -v b="$last" 'BEGIN { d = b - a; if (d < 0) d = -d; exit !(a > 0 && d <= a / 10) }' ||
  { echo "soak: the heap moved by more than 10 %" >&2; exit 1; }
