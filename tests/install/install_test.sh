#!/usr/bin/env bash
# Installs the build into a scratch prefix as a user would, checks what
# desktops read (desktop entry, AppStream description, icons), plays both
# levels' solutions with the installed tools from a folder that holds no data,
# and makes the Debian package, whose dependencies must name the libraries
# the game runs on.  Usage: install_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1 version=$2
prefix=$(mktemp -d /tmp/korvath_install_XXXXXX)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix/usr" >/dev/null
share=$prefix/usr/share
desktop-file-validate "$share/applications/org.korvath.Korvath.desktop"
appstreamcli validate --no-net "$share/metainfo/org.korvath.Korvath.metainfo.xml" >/dev/null
for size in 16 32 48 64 128 256; do
  test -s "$share/icons/hicolor/${size}x$size/apps/org.korvath.Korvath.png"
done
test "$("$prefix/usr/bin/korvath" --version)" = "korvath $version"
cd "$prefix"  # no gamedata here: the tools find the installed data beside them
env -u KORVATH_DATA "$prefix/usr/bin/korvath-level" solution > keys.txt
env -u KORVATH_DATA ALSOFT_DRIVERS=null "$prefix/usr/bin/korvath-replay" --input keys.txt \
  --until ended --no-render
if ! command -v dpkg-deb >/dev/null; then
  echo "install test: dpkg-deb is missing, so no Debian package was made"
  exit 0
fi
(cd "$build" && cpack -G DEB -B "$prefix/deb" >/dev/null)
depends=$(dpkg-deb --field "$prefix"/deb/korvath_"$version"_*.deb Depends)
echo "Depends: $depends"
for library in libsdl2 libopenal1 libjpeg62-turbo libopengl0 libglu1 libpugixml; do
  case "$depends" in *"$library"*) ;; *) echo "the package does not depend on $library" >&2; exit 1 ;; esac
done
