#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from the repository root.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh build -DKORVATH_BENCHMARKS=ON -DKORVATH_SANITIZE=OFF
if [ ! -x build/korvath ]; then
  echo "Korvath builds, but there is nothing to play yet: the game program does not exist in this version."
  exit 0
fi
exec build/korvath "$@"
