#!/usr/bin/env bash
# Records the traces of every replay the test suite runs (both level
# solutions, every rule case, the replay program's own tests) into a folder,
# so that a change that must not alter the game can be checked against them:
#   scripts/traces.sh record DIR      (with build/ built)
#   scripts/traces.sh compare OLD NEW
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
  record)
    dir=$(mkdir -p "$2" && cd "$2" && pwd)
    build/korvath-level solution > "$dir/solutions.txt"
    build/korvath-replay --input "$dir/solutions.txt" --until ended --no-render --trace "$dir/solutions.jsonl"
    KORVATH_KEEP_TRACES="$dir" build/tests/korvath_rule_tests >/dev/null
    KORVATH_KEEP_TRACES="$dir" build/tests/korvath_replay_tests --gtest_filter='ReplayProgram.*' >/dev/null
    echo "$(find "$dir" -name '*.jsonl' | wc -l) traces in $dir" ;;
  compare)
    diff -r "$2" "$3" >/dev/null && echo "every trace is identical" && exit 0
    diff -rq "$2" "$3"; exit 1 ;;
  *) echo "usage: scripts/traces.sh record DIR | compare OLD NEW" >&2; exit 2 ;;
esac
