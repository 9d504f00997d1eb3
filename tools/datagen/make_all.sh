#!/usr/bin/env bash
# Regenerates the models, textures, pictures, sounds, templates and animation
# files in gamedata/ from the scripts beside this one, then checks them.
# Needs python3 (standard library only) and ImageMagick's convert. The levels
# are text files (gamedata/levels/) compiled with korvath-level.
set -euo pipefail
cd "$(dirname "$0")"
python3 make_models.py
./make_textures.sh
python3 make_sounds.py
python3 make_world.py
python3 check_data.py
