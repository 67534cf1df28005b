#!/bin/sh
# Runs a Windows program of the win64 build under 64-bit Wine as Windows 98
# in German. The prefix defaults to the one the set-up made in build/.
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${QW_WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export LANG=de_DE.UTF-8
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec /usr/lib/wine/wine64 "$@"
