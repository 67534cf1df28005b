#!/bin/sh
# Runs a Windows program of the i686 builds under 32-bit Wine as Windows 98
# in German, as the product meets Windows 98: a 32-bit process with kernel32's
# thunks and the 16-bit KERNEL and USER of Wine. The prefix defaults to the
# 32-bit one the set-up made in build/ (only where the kernel runs 32-bit
# code; see tools/can_run_i386.sh).
here=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX="${QW_WINEPREFIX32:-$here/build/wineprefix32}"
export WINEARCH=win32
export WINEDEBUG="${WINEDEBUG:--all}"
export LANG=de_DE.UTF-8
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
exec /usr/lib/wine/wine "$@"
