# Shell functions for the scripts that run the Windows programs under Wine
# (sourced, not run).

# Sets $wineserver to the server that goes with the Wine program $1.
find_wine_server() {
  wineserver=$(dirname "$(readlink -f "$(command -v "$1")")")/wineserver
  [ -x "$wineserver" ] || wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
}

# Stops the Wine server and waits until it has gone. A server left from an
# earlier run still talks to that run's X display, which may be gone; the
# next program then starts a server of its own with the display it is given.
stop_wine_server() {
  "$wineserver" -k 2>/dev/null || true
  "$wineserver" -w 2>/dev/null || true
}
