#!/usr/bin/env bash
# Installs the build into a scratch prefix, checks what desktops and Debian
# read (desktop entry, AppStream, icons, manual pages, copyright, changelog),
# plays every level's solution with the installed tools from a folder without
# data, in the games layout and the plain one, and makes the Debian package,
# whose dependencies must name the game's libraries and in which lintian,
# where installed, finds nothing to warn of.  Usage: install_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
fail() { echo "install test: $*" >&2; exit 1; }
prefix=$(mktemp -d /tmp/korvath_install_XXXXXX)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix/usr" >/dev/null
share=$prefix/usr/share games=$prefix/usr/games
desktop-file-validate "$share/applications/org.korvath.Korvath.desktop"
appstreamcli validate --no-net "$share/metainfo/org.korvath.Korvath.metainfo.xml" >/dev/null
for size in 16 32 48 64 128 256; do
  test -s "$share/icons/hicolor/${size}x$size/apps/org.korvath.Korvath.png"
done
for program in korvath korvath-replay korvath-level korvath-solve korvath-random-player; do
  test "$("$games/$program" --version)" = "$program $version"
  gzip -t "$share/man/man6/$program.6.gz"
done
format=$(sed -n 1p "$share/doc/korvath/copyright")
[ "$format" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] ||
  fail "the copyright file is not machine-readable: $format"
latest=$(zcat "$share/doc/korvath/changelog.gz" | sed -n 1p)
case "$latest" in "korvath ($version) "*) ;; *) fail "the changelog's last entry is not $version: $latest" ;; esac
# The plain layout: a program in bin/ finds the data in share/korvath/.
mkdir -p "$prefix/plain/bin" "$prefix/plain/share/korvath"
cp "$games/korvath-level" "$prefix/plain/bin/"
ln -s "$share/games/korvath/gamedata" "$prefix/plain/share/korvath/gamedata"
cd "$prefix"  # no gamedata here: the tools find the installed data beside them
env -u KORVATH_DATA "$prefix/plain/bin/korvath-level" solution > plain.txt
env -u KORVATH_DATA "$games/korvath-level" solution > keys.txt
cmp keys.txt plain.txt
env -u KORVATH_DATA ALSOFT_DRIVERS=null "$games/korvath-replay" --input keys.txt \
  --until ended --no-render
if ! command -v dpkg-deb >/dev/null; then
  echo "install test: dpkg-deb is missing, so no Debian package was made"
  exit 0
fi
(cd "$build" && cpack -G DEB -B "$prefix/deb" >/dev/null)
deb=$(echo "$prefix"/deb/korvath_"$version"_*.deb)
depends=$(dpkg-deb --field "$deb" Depends)
echo "Depends: $depends"
for library in libsdl2 libopenal1 libjpeg62-turbo libopengl0 libglu1 libpugixml; do
  case "$depends" in *"$library"*) ;; *) fail "the package does not depend on $library" ;; esac
done
if command -v lintian >/dev/null; then
  if ! report=$(lintian --fail-on error,warning --tag-display-limit 0 "$deb" 2>&1); then
    echo "$report" >&2
    exit 1
  fi
else
  echo "install test: lintian is missing, so the package was not checked"
fi
