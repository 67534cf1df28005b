#!/usr/bin/env bash
# Drives the page button "Systeminformationen" of quellwerk.exe under Wine
# on a display of its own (QW_PROGRAM_BUILD: win64, or win32 for the
# product under 32-bit Wine):
#   - the page shows in the container with its black load chart (screenshot
#     docs/screenshots/sysinfo.png with QW_GUI_SCREENSHOTS=1);
#   - its load chart moves: the picture of the processor box changes from
#     one step of the scope to the next;
#   - the program then closes normally.
# The last line says "N passed, N failed".
set -uo pipefail

qw_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=tests/gui/lib.sh
. "$qw_repo/tests/gui/lib.sh"
timeout_s=${QW_GUI_TIMEOUT:-60}
work=$(mktemp -d "${TMPDIR:-/tmp}/quellwerk-gui.XXXXXX")
folder=$work/program

qw_checks
trap 'qw_end_run "$work"' EXIT
trap 'exit 130' INT TERM

main_window() { qw_find_main "$qw_program_pid"; }
click_page() { xdotool mousemove --window "$main_id" 529 $((146 + 33 * ($1 - 1))) click 1; }
# The load picture: the page at (5, 33) of the main window, the processor
# box at (10, 260), its panel at (9, 16) and the picture 1 pixel inside.
chart_sum() {
  local WIDTH HEIGHT X Y
  eval "$(xdotool getwindowgeometry --shell "$main_id" | grep -E '^(WIDTH|HEIGHT|X|Y)=[0-9-]+$')"
  xwd -root -silent | convert xwd:- -crop "187x95+$((X + 25))+$((Y + 310))" +repage rgb:- | md5sum
}
# The mean brightness (0 to 255) of the load picture: the chart is drawn on
# black, the welcome page and an empty page are light there.
chart_mean() {
  local WIDTH HEIGHT X Y
  eval "$(xdotool getwindowgeometry --shell "$main_id" | grep -E '^(WIDTH|HEIGHT|X|Y)=[0-9-]+$')"
  xwd -root -silent | convert xwd:- -crop "187x95+$((X + 25))+$((Y + 310))" +repage -colorspace Gray \
    -format '%[fx:int(255*mean)]' info:
}

if ! qw_start_xvfb "$work"; then fail "Xvfb did not start"; finish; fi
if ! qw_private_prefix "$work/prefix"; then fail "no copy of the Wine prefix"; finish; fi
if ! qw_lay_out_program_folder "$folder"; then fail "no program folder"; finish; fi
qw_start_program "$folder" >"$work/program.log" 2>&1
main_id=$(qw_poll "$timeout_s" 0.1 main_window) || { fail "no main window"; finish; }
qw_wait_painted 20 || true

before=$(chart_sum)
click_page 3
# The blend, then the first refreshes of the page and the scope.
sleep 3
after=$(chart_sum)
mean=$(chart_mean)
if [ "$after" != "$before" ] && [ "${mean:-255}" -lt 80 ]; then
  pass "the system information page shows its load chart (mean brightness $mean)"
else
  fail "the processor box did not appear (mean brightness of its picture ${mean:-unknown})"
fi
moved=
for _ in 1 2 3 4 5 6; do
  sleep 0.6
  now=$(chart_sum)
  if [ "$now" != "$after" ]; then moved=1; break; fi
done
if [ -n "$moved" ]; then pass "the load chart moves"; else fail "the load chart stands still"; fi
if [ -n "${QW_GUI_SCREENSHOTS:-}" ]; then
  qw_screenshot "$main_id" "$qw_repo/docs/screenshots/sysinfo.png"
  echo "gui: docs/screenshots/sysinfo.png"
fi

qw_click_close "$main_id"
if qw_wait_exit "$qw_program_pid" "$timeout_s" && [ "$qw_exit_status" -eq 0 ]; then
  qw_program_pid=
  pass "the program then closes normally"
else
  fail "the program did not close normally"
fi
finish
