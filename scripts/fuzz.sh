#!/usr/bin/env bash
# Builds the fuzzing programs of tests/fuzz with clang and libFuzzer (in
# build/fuzz, with AddressSanitizer and UndefinedBehaviorSanitizer) and runs
# each for SECONDS, starting from the game's own files and, where it is
# beside the repository, the shared loader corpus. An input that makes a
# target fail is written to tests/fuzz/regressions/<target>/, which the normal
# suite replays; keep it there once the fault is fixed.
#   scripts/fuzz.sh SECONDS
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:?usage: scripts/fuzz.sh SECONDS}
if ! command -v clang++ >/dev/null; then
  echo "fuzz: clang++ is not installed; nothing was fuzzed"
  exit 0
fi
targets="model wave animation store jpeg"
root=$(pwd)
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_C_COMPILER=clang \
  -DCMAKE_CXX_COMPILER=clang++ -DKORVATH_FUZZ=ON -DKORVATH_BENCHMARKS=OFF >/dev/null
cmake --build build/fuzz --parallel "$(nproc)" --target $(printf 'fuzz_%s ' $targets) >/dev/null
shared=../shared/corpus

# Seeds small enough to mutate quickly.
seed_files() {
  find "$@" -maxdepth 1 -type f -size -300k 2>/dev/null || true
}

seed() {
  local target=$1 dir=$root/build/fuzz/corpus/$1
  mkdir -p "$dir"
  case $target in
    model) cp $(seed_files gamedata/models "$shared/ms3d" | grep '\.ms3d$') "$dir" ;;
    wave) cp $(seed_files gamedata/sound "$shared/wav" | grep -i '\.wav$') "$dir" ;;
    animation) cp gamedata/anim/*.txt "$dir" ;;
    jpeg) cp $(seed_files gamedata gamedata/models "$shared/jpeg" | grep -i '\.jpe\?g$') "$dir" ;;
    store)
      { printf '\000'; cat gamedata/pawntemp.xml; } > "$dir/pawntemp"
      { printf '\001'; cat gamedata/levels.xml; } > "$dir/levels" ;;
  esac
}

failed=""
for target in $targets; do
  seed "$target"
  mkdir -p "tests/fuzz/regressions/$target"
  echo "fuzz: $target for $seconds s"
  if ! ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 build/fuzz/fuzz_$target \
      -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$root/tests/fuzz/regressions/$target/" "$root/build/fuzz/corpus/$target" \
      > "build/fuzz/$target.log" 2>&1; then
    failed="$failed $target"
    tail -40 "build/fuzz/$target.log"
  fi
  grep -E '^stat::(number_of_executed_units|average_exec_per_sec)' "build/fuzz/$target.log" || true
done
[ -z "$failed" ] || { echo "fuzz: failures in:$failed" >&2; exit 1; }
