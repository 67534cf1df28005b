#!/usr/bin/env bash
# Starts quellwerk.exe three times under Wine on the sample Windows 98 machine,
# from a fresh program folder without "qw32break.cfg", and checks the start-up
# breakpoint:
#   - the first two starts take none (the counter goes to 2, then 3);
#   - the third start shows the gauge in its frame on the splash window while
#     it writes "brkpoint\Quellwerk Programmstart (5).cab";
#   - cabextract -l lists exactly the thirteen files of the content table that
#     Windows 98 has (no classes.dat), and cabextract -t finds them whole.
# With --screenshot PATH it keeps the splash with the gauge moving there
# (docs/screenshots/breakpoint.png is the one in the docs). The last line says
# "N passed, N failed".
#
# Environment: QW_PROGRAM_EXE, QW_GUI_TIMEOUT (as tests/gui/start_and_close.sh).
set -uo pipefail

qw_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=tests/gui/lib.sh
. "$qw_repo/tests/gui/lib.sh"
timeout_s=${QW_GUI_TIMEOUT:-60}
shot_to=
[ "${1:-}" = "--screenshot" ] && shot_to=${2:?--screenshot needs a path}
work=$(mktemp -d "${TMPDIR:-/tmp}/quellwerk-brk.XXXXXX")
folder=$work/program

qw_checks
trap 'qw_end_run "$work"' EXIT
trap 'exit 130' INT TERM

main_window() {
  kill -0 "$1" 2>/dev/null || { echo "ended"; return; }
  qw_find_main "$1"
}

counter() { tr -d '\r' <"$folder/qw32break.cfg" 2>/dev/null | awk -F= '/^\[/{s=$0} s=="[Counter]" && $1=="ProgStart"{print $2}'; }

# One start up to the main window, then a click on its close button. While
# the splash stands, the screen is captured every 100 ms into $work/frames.
start_once() {
  local n=$1 id i=0
  rm -rf "$work/frames"
  mkdir -p "$work/frames"
  qw_start_program "$folder" >"$work/program$n.log" 2>&1
  while kill -0 "$qw_program_pid" 2>/dev/null && [ -z "$(qw_find_main "$qw_program_pid")" ]; do
    xwd -root -silent 2>/dev/null >"$work/frames/$(printf %04d $i).xwd"
    i=$((i + 1))
    [ "$i" -lt $((timeout_s * 10)) ] || break
    sleep 0.1
  done
  id=$(qw_poll "$timeout_s" 0.1 main_window "$qw_program_pid") || id=
  if [ -z "$id" ] || [ "$id" = "ended" ]; then
    fail "start $n: no main window"
    finish
  fi
  qw_wait_painted 20 || true
  qw_click_close "$id"
  qw_wait_exit "$qw_program_pid" "$timeout_s" || { fail "start $n: the program did not end"; finish; }
  qw_program_pid=
  WINEPREFIX=$QW_WINEPREFIX timeout 30 "$qw_wineserver" -w 2>/dev/null || true
}

if ! qw_start_xvfb "$work"; then fail "Xvfb did not start"; finish; fi
if ! qw_private_prefix "$work/prefix"; then fail "no copy of the Wine prefix"; finish; fi
if ! qw_lay_out_program_folder "$folder"; then fail "no program folder"; finish; fi
archive="$folder/brkpoint/Quellwerk Programmstart (5).cab"

start_once 1
[ "$(counter)" = "2" ] && [ ! -e "$archive" ] && pass "start 1 takes no breakpoint, the counter is 2" \
  || fail "start 1: counter '$(counter)', archive present: $([ -e "$archive" ] && echo yes || echo no)"
start_once 2
[ "$(counter)" = "3" ] && [ ! -e "$archive" ] && pass "start 2 takes no breakpoint, the counter is 3" \
  || fail "start 2: counter '$(counter)'"
start_once 3
[ "$(counter)" = "1" ] && [ -f "$archive" ] && pass "start 3 takes the breakpoint as archive 5, the counter is 1" \
  || fail "start 3: counter '$(counter)', no archive 5"

# The frames of the third start in which the gauge's frame shows (its bevel
# differs from the splash background at (36,341)) and the bar is part-way.
gauge_frames=0
chosen=
for f in "$work"/frames/*.xwd; do
  [ -s "$f" ] || continue
  png=${f%.xwd}.png
  convert "xwd:$f" "$png" 2>/dev/null || continue
  # The splash is centred on the 1024 x 768 screen: its corner is (247,184).
  edge=$(convert "$png" -crop 1x1+$((247 + 36))+$((184 + 341)) -format '%[fx:int(255*r)],%[fx:int(255*g)],%[fx:int(255*b)]' info: 2>/dev/null)
  if [ "$edge" = "24,30,40" ]; then
    gauge_frames=$((gauge_frames + 1))
    [ -z "$chosen" ] && [ "$gauge_frames" -ge 2 ] && chosen=$png
  fi
done
if [ "$gauge_frames" -gt 0 ]; then
  pass "the gauge shows in its frame on the splash window ($gauge_frames frames of the third start)"
else
  fail "no frame of the third start shows the gauge"
fi
if [ -n "$shot_to" ]; then
  pick=${chosen:-$(ls "$work"/frames/*.png 2>/dev/null | tail -n1)}
  mkdir -p "$(dirname "$shot_to")"
  convert "$pick" -crop 530x400+247+184 +repage "PNG:$shot_to" && echo "gui: screenshot $shot_to"
fi

if [ -f "$archive" ]; then
  listing=$(cabextract -l "$archive" 2>&1)
  names=$(printf '%s\n' "$listing" | awk -F'|' 'NF == 3 && $1 ~ /[0-9]/ { gsub(/^ +| +$/, "", $3); print toupper($3) }' | sort | tr '\n' ' ')
  wanted="AUTOEXEC.BAT COMMAND.COM CONFIG.SYS DOSSTART.BAT IO.SYS MSDOS.SYS PROTOCOL.INI SYSTEM.CB SYSTEM.DAT SYSTEM.INI TTFCACHE USER.DAT WIN.INI "
  if [ "$names" = "$wanted" ]; then
    pass "cabextract -l lists the thirteen files: $names"
  else
    fail "cabextract -l lists: $names"
    printf '%s\n' "$listing" | sed 's/^/  /'
  fi
  printf '%s\n' "$listing" | sed 's/^/  /'
  cabextract -q -t "$archive" >/dev/null 2>&1 && pass "cabextract -t finds every file whole" || fail "cabextract -t fails"
fi
finish
