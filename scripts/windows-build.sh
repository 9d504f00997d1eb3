#!/usr/bin/env bash
# Cross-builds the game and its tools for 64-bit Windows with MinGW-w64 into
# build/windows/. Usage: scripts/windows-build.sh [EXTRA_TARGET...]
#
# The libraries the game links (SDL2, OpenAL Soft, libjpeg-turbo, pugixml,
# Dear ImGui, and GoogleTest for the Windows tests) are built from release
# archives once, into a cache outside the clone named after the archives'
# checksums, the toolchain and this recipe, and reused by every later run:
#   ${XDG_CACHE_HOME:-~/.cache}/korvath-windows/<key>/
# The archives are read from $KORVATH_WINDOWS_SOURCES, else from
# ../shared/windows-sources beside the clone.
#
# SDL2 and OpenAL Soft are DLLs copied beside the programs; the rest, and the
# GCC and C++ runtimes, are linked in. Exits with status 77 when the archives
# or the cross compiler are missing, after saying what is needed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sources=${KORVATH_WINDOWS_SOURCES:-$root/../shared/windows-sources}
triplet=x86_64-w64-mingw32
toolchain=$root/cmake/mingw-w64-x86_64.cmake
out=$root/build/windows
jobs=${KORVATH_JOBS:-2}
skip=77

# Bumped whenever the way the libraries are built changes.
recipe=1
archives=(
  "SDL2-2.26.5.tar.gz f7c32b39174f49bcd809592859339c1bebfb75b68a19606c242d130275bba478"
  "openal-soft-1.23.1.tar.gz 0a8d3dd0e025ae8a3efe409f9742bfcbb6eab1589f498dd0bc6a59a6a70bf092"
  "libjpeg-turbo-2.1.5.tar.gz 73e1c6f5755d0278852e4ade9931173558b53eef0e0cc263821d115314f3c38c"
  "pugixml-1.13.tar.gz ed0e6a09a4bac549ef93d5072b7ac507b908b3fb5e1e1c47d5c4ae65ebd81407"
  "imgui-1.86.tar.gz f4cb47d9ffb19b1fcd1a193e5e6c1b0cb13f603498014e33713e3792c1f3c95b"
)
googletest=/usr/src/googletest

if ! command -v $triplet-g++-posix >/dev/null; then
  echo "windows-build: skipped: no MinGW-w64 cross compiler ($triplet-g++-posix);" \
       "install the Debian package g++-mingw-w64-x86-64-posix" >&2
  exit $skip
fi
missing=()
for entry in "${archives[@]}"; do
  [ -f "$sources/${entry%% *}" ] || missing+=("${entry%% *}")
done
if [ ${#missing[@]} -gt 0 ]; then
  {
    echo "windows-build: skipped: these source archives are not in $sources:"
    printf '  %s\n' "${missing[@]}"
    echo "They are the upstream releases (git archive of the tags) of SDL2 (libsdl.org),"
    echo "OpenAL Soft (openal-soft.org), libjpeg-turbo (libjpeg-turbo.org), pugixml"
    echo "(pugixml.org) and Dear ImGui (github.com/ocornut/imgui); the shared folder"
    echo "windows-sources beside the clone holds them, or name a folder with"
    echo "KORVATH_WINDOWS_SOURCES."
  } >&2
  exit $skip
fi
for entry in "${archives[@]}"; do
  name=${entry%% *} sum=${entry##* }
  if [ "$(sha256sum "$sources/$name" | cut -d' ' -f1)" != "$sum" ]; then
    echo "windows-build: $sources/$name does not have the checksum $sum" >&2
    exit 1
  fi
done
if [ ! -f $googletest/CMakeLists.txt ]; then
  echo "windows-build: skipped: no GoogleTest sources in $googletest (Debian package googletest)" >&2
  exit $skip
fi

key=$( {
  echo "recipe $recipe"
  printf '%s\n' "${archives[@]}"
  cat "$toolchain"
  $triplet-g++-posix --version | head -1
  dpkg-query -W -f='${Version}\n' googletest 2>/dev/null || true
} | sha256sum | cut -c1-16)
cache=${XDG_CACHE_HOME:-$HOME/.cache}/korvath-windows/$key
prefix=$cache/prefix

# Configures, builds and installs one CMake project of the archives into $2.
cmake_library() {
  local source=$1 into=$2; shift 2
  cmake -S "$source" -B "$source/build-win" -G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$into" "$@" >"$source/build-win.log"
  cmake --build "$source/build-win" --parallel "$jobs" >>"$source/build-win.log"
  cmake --install "$source/build-win" >>"$source/build-win.log"
}

# Dear ImGui has no build of its own: its core becomes a static library, and
# the SDL2 and OpenGL2 back ends stay sources, compiled with the game's platform.
imgui_library() {
  local source=$1 into=$2
  mkdir -p "$into/lib/pkgconfig" "$into/include/imgui/backends" "$source/obj"
  cp "$source"/im*.h "$into/include/imgui/"
  cp "$source"/backends/imgui_impl_{sdl,opengl2}.{h,cpp} "$into/include/imgui/backends/"
  for file in imgui imgui_draw imgui_tables imgui_widgets imgui_demo; do
    $triplet-g++-posix -O2 -std=c++17 -c "$source/$file.cpp" -o "$source/obj/$file.o"
  done
  $triplet-ar rcs "$into/lib/libimgui.a" "$source"/obj/*.o
  cat >"$into/lib/pkgconfig/imgui.pc" <<EOF
prefix=$into
Name: imgui
Description: Dear ImGui, built for Windows
Version: 1.86
Libs: -L\${prefix}/lib -limgui
Cflags: -I\${prefix}/include/imgui
EOF
}

build_libraries() {
  local work=$1 into=$2
  mkdir -p "$work" "$into"
  for entry in "${archives[@]}"; do
    tar -xzf "$sources/${entry%% *}" -C "$work"
  done
  echo "windows-build: building the libraries into $cache (once)"
  cmake_library "$work/SDL2-2.26.5" "$into" -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF
  cmake_library "$work/openal-soft-1.23.1" "$into" -DALSOFT_UTILS=OFF -DALSOFT_EXAMPLES=OFF \
    -DALSOFT_INSTALL_CONFIG=OFF -DALSOFT_INSTALL_HRTF_DATA=OFF -DALSOFT_INSTALL_AMBDEC_PRESETS=OFF \
    -DALSOFT_STATIC_LIBGCC=ON -DALSOFT_STATIC_STDCXX=ON -DALSOFT_STATIC_WINPTHREAD=ON
  cmake_library "$work/libjpeg-turbo-2.1.5" "$into" -DWITH_SIMD=OFF -DENABLE_SHARED=OFF \
    -DWITH_TURBOJPEG=OFF -DWITH_JAVA=OFF
  cmake_library "$work/pugixml-1.13" "$into" -DBUILD_SHARED_LIBS=OFF -DPUGIXML_BUILD_TESTS=OFF
  imgui_library "$work/imgui-1.86" "$into"
  mkdir -p "$work/googletest"
  cp -r $googletest/. "$work/googletest/"
  cmake_library "$work/googletest" "$into" -DBUILD_GMOCK=ON -DINSTALL_GTEST=ON
  mkdir -p "$into/licences"
  cp "$work/SDL2-2.26.5/LICENSE.txt" "$into/licences/SDL2.txt"
  cp "$work/openal-soft-1.23.1/COPYING" "$into/licences/OpenAL-Soft.txt"
  cp "$work/libjpeg-turbo-2.1.5/LICENSE.md" "$into/licences/libjpeg-turbo.md"
  cp "$work/libjpeg-turbo-2.1.5/README.ijg" "$into/licences/libjpeg-turbo-IJG.txt"
  cp "$work/pugixml-1.13/LICENSE.md" "$into/licences/pugixml.md"
  cp "$work/imgui-1.86/LICENSE.txt" "$into/licences/DearImGui.txt"
}

if [ ! -f "$prefix/.complete" ]; then
  started=$(date +%s)
  partial=$cache.partial-$$
  rm -rf "$partial"
  trap 'rm -rf "$partial"' EXIT
  build_libraries "$partial/work" "$partial/prefix"
  # The libraries' own files name the prefix they were installed into.
  grep -rlF "$partial/prefix" "$partial/prefix" | while read -r file; do
    sed -i "s|$partial/prefix|$prefix|g" "$file"
  done
  touch "$partial/prefix/.complete"
  rm -rf "$partial/work" "$cache"
  mkdir -p "$(dirname "$cache")"
  mv "$partial" "$cache"
  trap - EXIT
  echo "windows-build: libraries built in $(( $(date +%s) - started )) s"
fi

# stb_image_write (screenshots) is one portable header: the Debian package's.
mkdir -p "$out/include/stb"
cp /usr/include/stb/stb_image_write.h "$out/include/stb/"

# A build folder configured against another library cache (moved, removed or
# rebuilt under another key) keeps that cache's paths: configure it afresh.
if [ "$(cat "$out/library-prefix.txt" 2>/dev/null)" != "$prefix" ]; then
  rm -rf "$out/CMakeCache.txt" "$out/CMakeFiles"
  mkdir -p "$out"
  echo "$prefix" > "$out/library-prefix.txt"
fi
export KORVATH_WINDOWS_PREFIX=$prefix
export PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig
unset PKG_CONFIG_PATH
cmake -S "$root" -B "$out" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_PREFIX_PATH="$prefix" -DKORVATH_BENCHMARKS=OFF -DCMAKE_CXX_FLAGS="-isystem $out/include" \
      -DKORVATH_IMGUI_BACKENDS="$prefix/include/imgui/backends" >/dev/null
cmake --build "$out" --parallel "$jobs" --target korvath korvath-replay korvath-level korvath-solve \
      korvath-random-player "$@"
cp "$prefix/bin/SDL2.dll" "$prefix/bin/OpenAL32.dll" "$out/"
rm -rf "$out/licences"
cp -r "$prefix/licences" "$out/licences"
echo "windows-build: $out/korvath.exe and the tools are built; the libraries are in $prefix"
