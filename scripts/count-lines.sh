#!/usr/bin/env bash
# Prints the lines of src/, tools/ and tests/ (every file git knows or would
# take), the share of tests/ in src/ and tools/ together, and the lines of the
# platform layer, the shell and the GL window code.
set -euo pipefail
cd "$(dirname "$0")/.."
lines() { git ls-files --cached --others --exclude-standard -- "$@" | xargs -r cat | wc -l; }
src=$(lines src) tools=$(lines tools) tests=$(lines tests)
seam=$(lines src/platform src/shell 'src/render/gl_window.*' 'src/render/gl_renderer.*')
echo "src/:   $src"
echo "tools/: $tools"
echo "tests/: $tests"
awk -v t="$tests" -v c="$((src + tools))" 'BEGIN { printf "tests/(src+tools): %.3f\n", t / c }'
echo "platform + shell + GL window: $seam"
