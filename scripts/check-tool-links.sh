#!/usr/bin/env bash
# Fails when a tool that only plays or checks levels links a window, GL or
# sound library: the rules and the search must stand without the screen.
# Usage: scripts/check-tool-links.sh [BUILD_DIR]   (default build/)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
status=0
for tool in korvath-level korvath-solve korvath-random-player; do
  if ldd "$build/$tool" | grep -E 'lib(GL|GLU|GLX|OpenGL|SDL2|openal)[.-]'; then
    echo "error: $build/$tool links the libraries above" >&2
    status=1
  fi
done
[ "$status" = 0 ] && echo "no level tool links GL, SDL2 or OpenAL"
exit "$status"
