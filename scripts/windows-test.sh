#!/usr/bin/env bash
# Builds the game, its tools and the test programs that need no GL for 64-bit
# Windows (scripts/windows-build.sh), then, under Wine: plays every level's
# solution with korvath-replay.exe to the end picture, from the build and from
# the release zip unpacked, opens korvath.exe in a virtual X server
# (scripts/windows-window-test.sh), and runs the test programs: those that
# draw in a virtual X server too, those that run the tools through cmd.exe.
# Needs the Linux
# build/korvath-level for the solutions (./test.sh builds it first).
# Skips, saying why, with status 0 when Wine, the cross compiler or the
# library archives are missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
tests=(korvath_core_tests korvath_platform_file_tests korvath_store_tests korvath_world_tests
       korvath_game_tests korvath_search_tests korvath_sound_tests korvath_rule_tests
       korvath_level_tests korvath_solve_tests korvath_programs_tests)
gl_tests=(korvath_platform_tests korvath_render_tests korvath_shell_tests)

wine=$(command -v wine64 || command -v wine || true)
[ -z "$wine" ] && [ -x /usr/lib/wine/wine64 ] && wine=/usr/lib/wine/wine64
if [ -z "$wine" ]; then
  echo "windows-test: skipped: Wine is not installed (Debian package wine64)"
  exit 0
fi
out=build/windows

# A Wine prefix of our own, kept with the library cache: made once (it takes a
# while), without the .NET and HTML engines Wine would offer to install. The
# test programs find the DLLs beside the game through WINEPATH.
export WINEPREFIX=${XDG_CACHE_HOME:-$HOME/.cache}/korvath-windows/wineprefix
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEPATH="$root/$out"
mkdir -p "$WINEPREFIX"
source scripts/wine-server.sh
find_wine_server "$wine"

# Runs test programs, then stops the Wine server they used, so that the next
# run starts with the display it is given.
run_tests() {
  local failed=()
  for test in "$@"; do
    if ! "$wine" $out/tests/$test.exe --gtest_brief=1 >$out/tests/$test.log 2>&1; then
      failed+=("$test")
      tail -40 $out/tests/$test.log >&2
    fi
  done
  stop_wine_server
  if [ ${#failed[@]} -gt 0 ]; then
    echo "windows-test: failed under Wine: ${failed[*]} (logs in $out/tests/)" >&2
    return 1
  fi
}
# How this script runs its drawing test programs inside xvfb-run.
if [ "${1:-}" = --run-tests ]; then
  shift
  run_tests "$@"
  exit
fi

started=$(date +%s)
status=0
scripts/windows-build.sh "${tests[@]}" "${gl_tests[@]}" || status=$?
if [ $status -eq 77 ]; then
  echo "windows-test: skipped: the Windows build cannot be made here (see above)"
  exit 0
fi
[ $status -eq 0 ] || exit $status
built=$(date +%s)

unset DISPLAY

level_tool=build/korvath-level
if [ ! -x $level_tool ]; then
  echo "windows-test: $level_tool is missing; build the Linux tree first (scripts/build.sh build)" >&2
  exit 1
fi
$level_tool solution -o $out/solutions.txt
if ! "$wine" $out/korvath-replay.exe --no-render --until ended --input $out/solutions.txt \
       >$out/replay.log 2>&1; then
  echo "windows-test: korvath-replay.exe did not reach the end picture:" >&2
  tail -20 $out/replay.log >&2
  exit 1
fi
echo "windows-test: korvath-replay.exe played every level to the end picture"

# The release zip, unpacked into a fresh folder, plays there too.
scripts/windows-zip.sh
unpacked=$(mktemp -d /tmp/korvath_zip_XXXXXX)
(cd "$unpacked" && python3 -m zipfile -e "$root/$out"/korvath-*-win64.zip .)
if ! (cd "$unpacked"/korvath-*-win64 && "$wine" ./korvath-replay.exe --no-render --until ended \
        --input "$root/$out/solutions.txt" >"$root/$out/zip-replay.log" 2>&1); then
  echo "windows-test: the unpacked release did not reach the end picture:" >&2
  tail -20 "$out/zip-replay.log" >&2
  rm -rf "$unpacked"
  exit 1
fi
rm -rf "$unpacked"
echo "windows-test: the release zip, unpacked, played every level to the end picture"

# The game itself, in a window of a virtual X server.
if ! xvfb-run -a -s "-screen 0 1024x768x24" scripts/windows-window-test.sh "$wine"; then
  echo "windows-test: korvath.exe failed in its window (see above; logs in $out/window/)" >&2
  exit 1
fi

# Full screen and back under Wine, as on Linux.
scripts/full-screen-test.sh $out "$wine"

# The test programs; the drawing ones open hidden windows in a virtual X server.
run_tests "${tests[@]}"
xvfb-run -a -s "-screen 0 1024x768x24" "$0" --run-tests "${gl_tests[@]}"
echo "windows-test: $(( ${#tests[@]} + ${#gl_tests[@]} )) test programs passed under Wine;" \
     "build $((built - started)) s, runs $(( $(date +%s) - built )) s"
