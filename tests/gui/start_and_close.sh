#!/usr/bin/env bash
# Starts quellwerk.exe under Wine as Windows 98 on a display of its own and
# checks the start and the orderly end:
#   - the splash window (530 x 400) shows first, then the main window
#     "Halvorn Quellwerk" (620 x 440), and the splash is gone by then;
#   - with the main window up, the temp config ("tmpcfg.twc", "tmpcfg32.twc")
#     and the picture copies ("Logo.bmp", "logos.bmp", "logow.bmp") are in the
#     program folder, the copies equal to the sample machine's files;
#   - a click on the close button ends the program with status 0; the temp
#     config files are then gone and the picture copies remain.
# It runs on its own Xvfb, its own copy of the prefix and its own program
# folder, waits only with bounded polls, and stops what it started also when
# it fails. The last line says "N passed, N failed".
#
# Environment: QW_PROGRAM_BUILD (win64, the default, under 64-bit Wine; or
# win32, the product, under 32-bit Wine on build/wineprefix32), QW_PROGRAM_EXE
# (default build/<build>/app/quellwerk.exe), QW_GUI_TIMEOUT (seconds for each
# wait, default 60).
set -uo pipefail

qw_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=tests/gui/lib.sh
. "$qw_repo/tests/gui/lib.sh"
timeout_s=${QW_GUI_TIMEOUT:-60}
work=$(mktemp -d "${TMPDIR:-/tmp}/quellwerk-gui.XXXXXX")
folder=$work/program
started_ms=$(qw_now_ms)

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "PASS: $*"; }
fail() {
  failed=$((failed + 1))
  echo "FAIL: $*"
  # The screen at the first failure, for the one who reads the log.
  if [ "$failed" -eq 1 ] && [ -n "$qw_xvfb_pid" ]; then
    mkdir -p "$qw_repo/build/gui-test"
    xwd -root -silent 2>/dev/null | convert xwd:- "PNG:$qw_repo/build/gui-test/failure.png" 2>/dev/null \
      && echo "gui: the screen at this failure: build/gui-test/failure.png"
  fi
}

trap 'qw_end_run "$work"' EXIT
trap 'exit 130' INT TERM

# Ends the run; after a failure with the program's own output.
finish() {
  if [ "$failed" -gt 0 ] && [ -s "$work/program.log" ]; then
    echo "gui: output of the program:"
    tail -n 20 "$work/program.log" | sed 's/^/  /'
  fi
  echo "gui: start_and_close took $(( ($(qw_now_ms) - started_ms) / 1000 )) s"
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

# The first of: the splash, the main window, the end of the process.
first_window() {
  local pid=$1 id
  if ! kill -0 "$pid" 2>/dev/null; then echo "ended"; return; fi
  id=$(qw_find_main "$pid")
  if [ -n "$id" ]; then echo "main $id"; return; fi
  id=$(qw_find_splash "$pid")
  if [ -n "$id" ]; then echo "splash $id"; fi
}

main_window() {
  local pid=$1 id
  if ! kill -0 "$pid" 2>/dev/null; then echo "ended"; return; fi
  id=$(qw_find_main "$pid")
  [ -n "$id" ] && echo "main $id"
}

ended_early() {
  wait "$qw_program_pid" 2>/dev/null
  fail "the program ended (status $?) before its main window showed"
  qw_program_pid=
  finish
}

# --- set-up: display, prefix, program folder --------------------------------
if ! qw_start_xvfb "$work"; then fail "Xvfb did not start"; finish; fi
echo "gui: build $qw_program_build, display $DISPLAY, prefix and program folder in $work"
if ! qw_private_prefix "$work/prefix"; then fail "no copy of the Wine prefix"; finish; fi
if ! qw_lay_out_program_folder "$folder"; then fail "no program folder"; finish; fi
drive_c=$work/prefix/drive_c

# --- start --------------------------------------------------------------------
start_ms=$(qw_now_ms)
qw_start_program "$folder" >"$work/program.log" 2>&1

seen=$(qw_poll "$timeout_s" 0.05 first_window "$qw_program_pid") || seen=timeout
splash_ms=$(qw_now_ms)
case $seen in
  splash*) pass "the splash window (530 x 400) shows first, after $((splash_ms - start_ms)) ms" ;;
  main*) fail "the main window showed without a splash window before it" ;;
  ended) ended_early ;;
  *) fail "no splash window and no main window within $timeout_s s"; finish ;;
esac

seen=$(qw_poll "$timeout_s" 0.05 main_window "$qw_program_pid") || seen=timeout
main_ms=$(qw_now_ms)
case $seen in
  main*) main_id=${seen#main }
         pass "the main window \"$qw_main_caption\" (620 x 440) shows, $((main_ms - splash_ms)) ms after the splash" ;;
  ended) ended_early ;;
  *) fail "no main window \"$qw_main_caption\" of 620 x 440 within $timeout_s s"; finish ;;
esac

splash_left=$(qw_find_splash "$qw_program_pid")
if [ -z "$splash_left" ]; then
  pass "the splash window is gone when the main window shows"
else
  fail "the splash window is still visible beside the main window"
fi

# --- the temp config while the program runs ----------------------------------
missing=
for f in tmpcfg.twc tmpcfg32.twc Logo.bmp logos.bmp logow.bmp; do
  [ -f "$folder/$f" ] || missing+=" $f"
done
if [ -z "$missing" ]; then
  pass "the temp config and the picture copies are in the program folder"
else
  fail "missing in the program folder with the main window up:$missing"
fi

differ=
cmp -s "$folder/tmpcfg.twc" "$drive_c/MSDOS.SYS" || differ+=" tmpcfg.twc/MSDOS.SYS"
cmp -s "$folder/Logo.bmp" "$drive_c/LOGO.SYS" || differ+=" Logo.bmp/LOGO.SYS"
cmp -s "$folder/logos.bmp" "$drive_c/windows/LOGOS.SYS" || differ+=" logos.bmp/LOGOS.SYS"
cmp -s "$folder/logow.bmp" "$drive_c/windows/LOGOW.SYS" || differ+=" logow.bmp/LOGOW.SYS"
if [ -z "$differ" ]; then
  pass "the copies equal the sample machine's MSDOS.SYS, LOGO.SYS, LOGOS.SYS and LOGOW.SYS"
else
  fail "copies that differ from their originals:$differ"
fi

# --- close ----------------------------------------------------------------------
# As a user would: once the first paint and the page blend are over.
qw_wait_painted 20 || echo "gui: the screen still changed after 20 s; clicking anyway"
close_ms=$(qw_now_ms)
qw_click_close "$main_id"
if qw_wait_exit "$qw_program_pid" "$timeout_s"; then
  qw_program_pid=
  if [ "$qw_exit_status" -eq 0 ]; then
    pass "a click on the close button ends the program (status 0) after $(( $(qw_now_ms) - close_ms )) ms"
  else
    fail "after a click on the close button the program ended with status $qw_exit_status"
  fi
else
  fail "the program still runs $timeout_s s after a click on its close button"
  finish
fi

left=
for f in tmpcfg.twc tmpcfg32.twc; do
  [ -e "$folder/$f" ] && left+=" $f"
done
if [ -z "$left" ]; then
  pass "the temp config files are gone after the end"
else
  fail "left in the program folder after the end:$left"
fi

missing=
for f in Logo.bmp logos.bmp logow.bmp; do
  [ -f "$folder/$f" ] || missing+=" $f"
done
if [ -z "$missing" ]; then
  pass "the picture copies remain after the end"
else
  fail "picture copies gone after the end:$missing"
fi

finish
