#!/usr/bin/env bash
# Fails when a C++ file of the project is not formatted with the house style (.clang-format).
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files --cached --others --exclude-standard -- 'src/*' 'tests/*' 'bench/*' 'tools/*' | grep -E '\.(h|cpp)$' || true)
[ -z "$files" ] && exit 0
if ! echo "$files" | xargs clang-format --dry-run --Werror; then
  echo "error: unformatted code; run: git ls-files '*.h' '*.cpp' | xargs clang-format -i" >&2
  exit 1
fi
