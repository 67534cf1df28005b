#!/usr/bin/env bash
# Drives the page buttons "Produktinfo" and "Performance" of quellwerk.exe
# under Wine on a display of its own:
#   - "Produktinfo" shows the product information page (screenshot
#     docs/screenshots/order.png with QW_GUI_SCREENSHOTS=1);
#   - "Performance" with its module not registered names the module in a
#     message box "Hinweis", and after "OK" the program goes on: the main
#     window is still there and closes normally.
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
# A window of the program captioned "Hinweis".
note_window() {
  local id
  for id in $(xdotool search --all --onlyvisible --pid "$qw_program_pid" --name '^Hinweis$' 2>/dev/null); do
    echo "$id"
    return
  done
}
# Page button k (1 to 6) of the main window: 115 x 24 at 472, 134 + 33 (k - 1).
click_page() { xdotool mousemove --window "$main_id" 529 $((146 + 33 * ($1 - 1))) click 1; }

if ! qw_start_xvfb "$work"; then fail "Xvfb did not start"; finish; fi
if ! qw_private_prefix "$work/prefix"; then fail "no copy of the Wine prefix"; finish; fi
if ! qw_lay_out_program_folder "$folder"; then fail "no program folder"; finish; fi
# The modules are left out of this folder and their registration out of the
# prefix: the message is what is tested.
rm -f "$folder"/*.ocx
for clsid in '{69DE8265-E4C4-11D4-895F-00E07D7246FD}' '{E94CC445-DCE9-11D4-895F-00E07D7246FD}'; do
  "$qw_wine_run" reg delete "HKCR\\CLSID\\$clsid" /f >/dev/null 2>&1
done
qw_start_program "$folder" >"$work/program.log" 2>&1
main_id=$(qw_poll "$timeout_s" 0.1 main_window) || { fail "no main window"; finish; }
qw_wait_painted 20 || true

click_page 6
sleep 1
qw_wait_painted 20 || true
if [ -n "${QW_GUI_SCREENSHOTS:-}" ]; then
  qw_screenshot "$main_id" "$qw_repo/docs/screenshots/order.png"
  echo "gui: docs/screenshots/order.png"
fi
pass "the product information page shows"

click_page 2
note=$(qw_poll 20 0.2 note_window) || note=
if [ -n "$note" ]; then
  pass "an unregistered performance module is named in a message box \"Hinweis\""
  xdotool key --window "$note" Return
  sleep 1
else
  fail "no message box \"Hinweis\" after \"Performance\" without its module"
fi
if kill -0 "$qw_program_pid" 2>/dev/null && [ -n "$(main_window)" ]; then
  pass "the program goes on after the message"
else
  fail "the program ended after the message"
fi

qw_click_close "$main_id"
if qw_wait_exit "$qw_program_pid" "$timeout_s" && [ "$qw_exit_status" -eq 0 ]; then
  qw_program_pid=
  pass "the program then closes normally"
else
  fail "the program did not close normally"
fi
finish
