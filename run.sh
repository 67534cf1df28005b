#!/usr/bin/env bash
# Sets the machine up and builds the program for 64-bit Wine (the win64
# build). Starting it arrives with the main window: then this script lays out
# the program folder and starts quellwerk.exe under Wine as Windows 98.
#
# Environment: QW_JOBS (parallel compile jobs, default 2).
set -euo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")"
repo=$(pwd)
# The third-party cache lives under $HOME (tools/setup.sh, cmake/ThirdParty.cmake).
export HOME="${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}"

build_program() {
  cmake --preset win64
  cmake --build --preset win64 --parallel "${QW_JOBS:-2}"
}

# The folder the program runs from: quellwerk.exe with its own files beside it
# (the program addresses everything relative to its own folder).
lay_out_program_folder() {
  :
}

# Starts the program under Wine as Windows 98 in German (cmake/wine-run.sh),
# on Xvfb when there is no display.
start_program() {
  echo "run.sh: set-up and win64 build done."
  echo "run.sh: starting the program arrives with the main window; for now there is nothing to start."
}

bash tools/setup.sh
build_program
lay_out_program_folder
start_program
