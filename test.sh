#!/usr/bin/env bash
# Sets the machine up, builds the four builds and runs every check:
#   the layer check of the includes (docs/map.md), the native suite (Linux,
#   fake platform), the win64 suite under Wine as Windows 98 (on Xvfb when
#   there is no display), the GUI tests of the program under Wine (tests/gui,
#   each on an Xvfb of its own: start and close, the title and the page blend,
#   the password lock and the options, the breakpoint at the third start, the
#   boot page, the hosted and order pages, the service page and a restore, the
#   hosted modules, the system information page, the road of one change), the
#   fuzz run, and the Windows 95/98/ME import check of the win32 build.
# Where the kernel runs 32-bit x86 code, also the i686 suite under 32-bit Wine
# as Windows 98 and the GUI tests of the product itself (build/win32) under
# 32-bit Wine: start and close, the title and the page blend, the hosted
# modules, the system information page, the road of one change; elsewhere
# those parts show as skipped, with the reason.
# Goes on after a failed part, prints a summary, and exits non-zero when any
# part failed.
#
# Environment: QW_JOBS (parallel compile jobs, default 2), QW_FUZZ_SECONDS
# (length of the fuzz run, default 60).
set -uo pipefail

cd "$(dirname "${BASH_SOURCE[0]}")"
repo=$(pwd)
# The third-party cache lives under $HOME (tools/setup.sh, cmake/ThirdParty.cmake).
export HOME="${HOME:-$(getent passwd "$(id -u)" | cut -d: -f6)}"
jobs=${QW_JOBS:-2}
fuzz_seconds=${QW_FUZZ_SECONDS:-60}
work=$(mktemp -d)

names=()
results=()
failures=0

banner() { printf '\n===== %s\n' "$*"; }

# run_part NAME COMMAND...: runs one part and records how it ended.
run_part() {
  local name=$1 started status
  shift
  banner "$name"
  started=$(date +%s)
  "$@"
  status=$?
  if [ "$status" -eq 0 ]; then
    results+=("passed ($(( $(date +%s) - started )) s)")
  else
    results+=("FAILED (exit $status, $(( $(date +%s) - started )) s)")
    failures=$((failures + 1))
  fi
  names+=("$name")
  return "$status"
}

skip_part() {
  banner "$1"
  echo "skipped: $2"
  names+=("$1")
  results+=("skipped: $2")
}

summary() {
  banner "summary"
  local i
  for i in "${!names[@]}"; do
    printf '  %-26s %s\n' "${names[$i]}" "${results[$i]}"
  done
  if [ "$failures" -eq 0 ]; then
    echo "test.sh: all parts passed"
  else
    echo "test.sh: $failures part(s) FAILED"
  fi
}

# --- a display for Wine ------------------------------------------------------
qw_repo=$repo
# shellcheck source=tests/gui/lib.sh
. "$repo/tests/gui/lib.sh"
wine_used=0
cleanup() {
  if [ "$wine_used" -eq 1 ]; then
    # Let the Wine session of the suite end before its display goes.
    WINEPREFIX="$QW_WINEPREFIX" timeout 30 "$qw_wineserver" -w 2>/dev/null || true
  fi
  qw_stop_xvfb
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

ensure_display() {
  if [ -n "${DISPLAY:-}" ]; then
    echo "display: using DISPLAY=$DISPLAY"
    return 0
  fi
  qw_start_xvfb "$work" || return 1
  echo "display: started Xvfb on $DISPLAY"
}

# --- the parts ---------------------------------------------------------------
build_preset() {
  cmake --preset "$1" && cmake --build --preset "$1" --parallel "$jobs"
}

native_tests() {
  ctest --preset native --no-tests=error
}

wine_tests() {
  ensure_display || return 1
  # The suite changes the system files and registry of its machine, so it
  # runs on a copy of the prefix and leaves the one of ./run.sh alone.
  qw_private_prefix "$work/wineprefix" || return 1
  wine_used=1
  ctest --preset win64 --no-tests=error
}

layer_check() {
  python3 tools/check_layers_test.py && python3 tools/check_layers.py
}

import_check() {
  python3 tools/check_win9x_imports_test.py || return 1
  local binaries status=0
  binaries=$(find build/win32 -path '*/CMakeFiles' -prune -o -type f \
    \( -iname '*.exe' -o -iname '*.dll' -o -iname '*.ocx' -o -iname '*.cpl' \) -print 2>/dev/null | wc -l)
  if [ "$binaries" -eq 0 ]; then
    echo "import check: no .exe or .dll in build/win32 yet; nothing to judge"
  else
    python3 tools/check_win9x_imports.py build/win32 || status=1
  fi
  if [ "$i686_built" -eq 1 ]; then
    echo
    echo "import check: the i686 test build (build/i686); these are test programs, never shipped"
    python3 tools/check_win9x_imports.py --test-programs build/i686 || status=1
  fi
  return "$status"
}

# The i686 suite under 32-bit Wine, on a copy of the 32-bit prefix.
i686_tests() {
  ensure_display || return 1
  (
    qw_use_build win32 || exit 1
    qw_private_prefix "$work/wineprefix32" || exit 1
    ctest --preset i686 --no-tests=error
    status=$?
    # Let its Wine session end before the display goes.
    WINEPREFIX="$QW_WINEPREFIX32" timeout 30 "$qw_wineserver" -w 2>/dev/null || qw_stop_wine
    exit "$status"
  )
}

# --- run -----------------------------------------------------------------------
if ! run_part "set-up" bash tools/setup.sh; then
  summary
  exit 1
fi

run_part "layer check" layer_check

if run_part "native build" build_preset native; then
  run_part "native tests" native_tests
else
  skip_part "native tests" "the native build failed"
fi

if run_part "win64 build" build_preset win64; then
  run_part "win64 tests under Wine" wine_tests
  run_part "GUI test under Wine" env QW_PROGRAM_BUILD=win64 bash tests/gui/start_and_close.sh
  run_part "GUI title and page blend" env QW_PROGRAM_BUILD=win64 bash tests/gui/title_and_blend.sh
  run_part "GUI password and options" env QW_PROGRAM_BUILD=win64 bash tests/gui/password_and_options.sh
  run_part "GUI breakpoint under Wine" env QW_PROGRAM_BUILD=win64 bash tests/gui/breakpoint.sh
  run_part "GUI boot page under Wine" env QW_PROGRAM_BUILD=win64 QW_SCREENSHOTS="$work/screenshots" \
    bash tests/gui/boot_page.sh
  run_part "GUI hosted and order pages" env QW_PROGRAM_BUILD=win64 bash tests/gui/hosted_pages.sh
  run_part "GUI service page and restore" env QW_PROGRAM_BUILD=win64 QW_SCREENSHOTS="$work/screenshots" \
    bash tests/gui/service.sh
  run_part "GUI hosted modules" env QW_PROGRAM_BUILD=win64 bash tests/gui/hosted_modules.sh
  run_part "GUI system information page" env QW_PROGRAM_BUILD=win64 bash tests/gui/sysinfo_page.sh
  run_part "GUI road of one change" env QW_PROGRAM_BUILD=win64 QW_SCREENSHOTS="$work/screenshots" \
    bash tests/gui/settings_pages.sh
else
  skip_part "win64 tests under Wine" "the win64 build failed"
  skip_part "GUI test under Wine" "the win64 build failed"
  skip_part "GUI title and page blend" "the win64 build failed"
  skip_part "GUI password and options" "the win64 build failed"
  skip_part "GUI breakpoint under Wine" "the win64 build failed"
  skip_part "GUI boot page under Wine" "the win64 build failed"
  skip_part "GUI hosted and order pages" "the win64 build failed"
  skip_part "GUI service page and restore" "the win64 build failed"
  skip_part "GUI hosted modules" "the win64 build failed"
  skip_part "GUI system information page" "the win64 build failed"
  skip_part "GUI road of one change" "the win64 build failed"
fi

win32_built=0
run_part "win32 build" build_preset win32 && win32_built=1

# The 32-bit side: the i686 suite and the product itself, each under 32-bit
# Wine where the kernel runs 32-bit code. The suite is built everywhere.
i686_built=0
run_part "i686 build" build_preset i686 && i686_built=1
if ! no_i386=$(bash tools/can_run_i386.sh); then
  skip_part "i686 tests, 32-bit Wine" "$no_i386"
  skip_part "product GUI, 32-bit Wine" "$no_i386"
  skip_part "product title and blend" "$no_i386"
  skip_part "product modules, 32-bit Wine" "$no_i386"
  skip_part "product system information page, 32-bit Wine" "$no_i386"
  skip_part "product road of one change, 32-bit Wine" "$no_i386"
else
  if [ "$i686_built" -eq 1 ]; then
    run_part "i686 tests, 32-bit Wine" i686_tests
  else
    skip_part "i686 tests, 32-bit Wine" "the i686 build failed"
  fi
  if [ "$win32_built" -eq 1 ]; then
    run_part "product GUI, 32-bit Wine" env QW_PROGRAM_BUILD=win32 bash tests/gui/start_and_close.sh
    run_part "product title and blend" env QW_PROGRAM_BUILD=win32 bash tests/gui/title_and_blend.sh
    run_part "product modules, 32-bit Wine" env QW_PROGRAM_BUILD=win32 bash tests/gui/hosted_modules.sh
    run_part "product system information page, 32-bit Wine" env QW_PROGRAM_BUILD=win32 \
      bash tests/gui/sysinfo_page.sh
    run_part "product road of one change, 32-bit Wine" env QW_PROGRAM_BUILD=win32 \
      QW_SCREENSHOTS="$work/screenshots32" bash tests/gui/settings_pages.sh
  else
    skip_part "product GUI, 32-bit Wine" "the win32 build failed"
    skip_part "product title and blend" "the win32 build failed"
    skip_part "product modules, 32-bit Wine" "the win32 build failed"
    skip_part "product system information page, 32-bit Wine" "the win32 build failed"
    skip_part "product road of one change, 32-bit Wine" "the win32 build failed"
  fi
fi

if [ -f fuzz/run.sh ]; then
  run_part "fuzz run (${fuzz_seconds} s)" bash fuzz/run.sh "$fuzz_seconds"
else
  skip_part "fuzz run" "fuzz/run.sh does not exist yet"
fi

if [ "$win32_built" -eq 1 ]; then
  run_part "win9x import check" import_check
else
  skip_part "win9x import check" "the win32 build failed"
fi

summary
[ "$failures" -eq 0 ]
