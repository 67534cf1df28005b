#!/usr/bin/env bash
# Sets the machine up, builds the program, lays out a program folder as an
# installation would (build/program) and starts quellwerk.exe there under Wine
# as Windows 98 SE in German, on the sample Windows 98 machine of the set-up:
#   - where the kernel runs 32-bit x86 code (tools/can_run_i386.sh), the
#     product itself, the i686 build (build/win32), under 32-bit Wine on
#     build/wineprefix32;
#   - elsewhere the win64 build under 64-bit Wine on build/wineprefix.
# It says which build it started.
#
# With a display (DISPLAY set) the program runs in the foreground until it is
# closed. Without one, run.sh starts Xvfb, waits for the main window, saves a
# picture of it as build/screenshots/main.png and prints that path, then
# closes the program through its close button and stops Xvfb. That run uses a
# throwaway copy of the prefix, so it leaves build/wineprefix as it was.
#
# Options:
#   --headless         the run on Xvfb even when there is a display
#   --screenshot PATH  the run on Xvfb, and copy the picture to PATH as well
#                      (docs/screenshots/main.png is the one in the docs)
#   --no-build         skip set-up and build; start what was built last
# Environment: QW_JOBS (parallel compile jobs, default 2), QW_PROGRAM_BUILD
# (win32 or win64: that build, whatever the kernel runs), QW_PROGRAM_EXE (lay
# out another quellwerk.exe than the one of the build).
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")"
repo=$(pwd)
# The third-party cache lives under $HOME (tools/setup.sh, cmake/ThirdParty.cmake).
export HOME="${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}"
qw_repo=$repo
# shellcheck source=tests/gui/lib.sh
. "$repo/tests/gui/lib.sh"

headless=0
[ -n "${DISPLAY:-}" ] || headless=1
build=1
copy_to=
while [ $# -gt 0 ]; do
  case $1 in
    --headless) headless=1 ;;
    --screenshot)
      [ $# -ge 2 ] || { echo "run.sh: --screenshot needs a path" >&2; exit 2; }
      headless=1
      copy_to=$2
      shift ;;
    --no-build) build=0 ;;
    *) echo "usage: ./run.sh [--headless] [--screenshot PATH] [--no-build]" >&2; exit 2 ;;
  esac
  shift
done

program=$repo/build/program
screenshot=$repo/build/screenshots/main.png
timeout_s=60

# The product where 32-bit Wine can run it, else the win64 build.
if [ -n "${QW_PROGRAM_BUILD:-}" ]; then
  program_build=$QW_PROGRAM_BUILD
  why="QW_PROGRAM_BUILD=$QW_PROGRAM_BUILD"
elif why=$(bash tools/can_run_i386.sh); then
  program_build=win32
  why="this machine runs 32-bit x86 code"
else
  program_build=win64
fi
qw_use_build "$program_build" || exit 2
case $program_build in
  win32) build_text="the product, the i686 build (build/win32), under 32-bit Wine" ;;
  win64) build_text="the win64 build (build/win64) under 64-bit Wine" ;;
esac

build_program() {
  cmake --preset "$program_build"
  cmake --build --preset "$program_build" --parallel "${QW_JOBS:-2}"
}

# With a display: the program in the foreground, on the set-up's prefix.
start_on_display() {
  echo "run.sh: starting $program/quellwerk.exe on $DISPLAY"
  qw_register_modules "$program" || true
  cd "$program"
  exec "$qw_wine_run" "$program/quellwerk.exe"
}

work=

# Without a display: Xvfb, the main window, a screenshot, and an orderly end.
start_headless() {
  work=$(mktemp -d "${TMPDIR:-/tmp}/quellwerk-run.XXXXXX")
  trap 'qw_end_run "$work"' EXIT
  trap 'exit 130' INT TERM
  qw_start_xvfb "$work"
  qw_private_prefix "$work/prefix" "${!qw_prefix_var:-$repo/build/$qw_prefix_name}"
  qw_register_modules "$program" || true
  echo "run.sh: starting $program/quellwerk.exe on Xvfb $DISPLAY"
  qw_start_program "$program" >"$work/program.log" 2>&1

  local main_id
  if ! main_id=$(qw_poll "$timeout_s" 0.1 qw_find_main "$qw_program_pid"); then
    echo "run.sh: no main window \"$qw_main_caption\" within $timeout_s s" >&2
    kill -0 "$qw_program_pid" 2>/dev/null || echo "run.sh: the program has ended" >&2
    tail -n 20 "$work/program.log" >&2
    exit 1
  fi
  qw_wait_painted 20 || echo "run.sh: the window still changed after 20 s; taking the picture anyway"
  qw_screenshot "$main_id" "$screenshot"
  echo "run.sh: screenshot of the main window: $screenshot"
  if [ -n "$copy_to" ]; then
    mkdir -p "$(dirname "$copy_to")"
    cp "$screenshot" "$copy_to"
    echo "run.sh: copied to $copy_to"
  fi

  qw_click_close "$main_id"
  if qw_wait_exit "$qw_program_pid" 30; then
    qw_program_pid=
    echo "run.sh: the program ended through its close button (status $qw_exit_status)"
  else
    echo "run.sh: the program did not end after a click on its close button; stopping Wine" >&2
    exit 1
  fi
}

if [ "$build" -eq 1 ]; then
  bash tools/setup.sh
  build_program
fi
echo "run.sh: $build_text; $why"
qw_lay_out_program_folder "$program"
if [ "$headless" -eq 1 ]; then
  start_headless
else
  start_on_display
fi
