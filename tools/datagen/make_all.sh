#!/usr/bin/env bash
# Regenerates everything in gamedata/ from the scripts beside this one, then
# checks the result and replays both levels' solutions.
# Needs python3 (standard library only) and ImageMagick's convert.
set -euo pipefail
cd "$(dirname "$0")"
python3 make_models.py
./make_textures.sh
python3 make_sounds.py
python3 make_world.py
python3 check_data.py
