#!/usr/bin/env bash
# Packs the Windows release, build/windows/korvath-VERSION-win64.zip: the game
# and its tools, the SDL2 and OpenAL Soft DLLs, the game data, a README for
# Windows players and the licence texts of every library inside. Needs
# scripts/windows-build.sh to have built build/windows first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
out=build/windows
version=$(sed -n 's/^project(Korvath VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=korvath-$version-win64
stage=$out/$name
rm -rf "$stage" "$stage.zip"
mkdir -p "$stage"
for program in korvath korvath-replay korvath-level korvath-solve korvath-random-player; do
  cp "$out/$program.exe" "$stage/"
done
cp "$out/SDL2.dll" "$out/OpenAL32.dll" "$stage/"
cp -r gamedata "$stage/gamedata"
cp -r "$out/licences" "$stage/licences"
sed "s/@VERSION@/$version/" packaging/windows/README-Windows.txt | sed 's/$/\r/' > "$stage/README.txt"
(cd "$out" && python3 -m zipfile -c "$name.zip" "$name")
rm -rf "$stage"
echo "windows-zip: $out/$name.zip"
