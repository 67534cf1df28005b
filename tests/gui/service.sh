#!/usr/bin/env bash
# Drives the service page of quellwerk.exe under Wine as a user would, on a
# display of its own, with the modules of the build in the program folder
# and a breakpoint taken at the first start:
#   - "Service und Optionen" shows the page; "Optionen" opens
#     "Programmoptionen"; "Über..." opens the about window of qw32vim.dll;
#   - "Rückgängig" opens the breakpoint manager of qw32brkpnt.dll; with
#     win.ini changed after the start, "Wiederherstellen", "Ja" and "OK"
#     bring it back byte for byte as the breakpoint holds it, save the
#     changed one in "Quellwerk vor Wiederherstellung.cab" and stage
#     system.dat in WININIT.INI;
#   - after the program has ended, a simulated restart (wineboot -r) shows
#     whether Wine carries out WININIT.INI's [rename]; that is reported, and
#     checked when it does.
# Screenshots service.png, about.png and restore.png go to
# build/gui-test/screenshots, or to the folder in QW_SCREENSHOTS. The last
# line says "N passed, N failed".
set -uo pipefail

qw_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=tests/gui/lib.sh
. "$qw_repo/tests/gui/lib.sh"
timeout_s=${QW_GUI_TIMEOUT:-60}
work=$(mktemp -d "${TMPDIR:-/tmp}/quellwerk-service.XXXXXX")
folder=$work/program
shots=${QW_SCREENSHOTS:-$qw_repo/build/gui-test/screenshots}

qw_checks
trap 'qw_end_run "$work"' EXIT
trap 'exit 130' INT TERM

main_window() { qw_find_main "$qw_program_pid"; }
# A visible window whose caption matches the pattern; the display is ours
# alone.
named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }
# Without a window manager a window that Wine maps over the main window
# shows only after it has been moved once; a shot of it moves it first.
shoot() {
  xdotool windowmove "$1" 40 40
  sleep 2
  qw_wait_painted 10 || true
  qw_screenshot "$1" "$2"
}
gone() { [ -z "$(named "$1")" ] && echo gone; }
# Page button k (1 to 6) of the main window: 115 x 24 at 472, 134 + 33 (k - 1).
click_page() { xdotool mousemove --window "$main_id" 529 $((146 + 33 * ($1 - 1))) click 1; }
# A button of the service page, 105 x 26 at (x, 7) of the page, which lies
# at (5, 33) of the main window.
click_service() { xdotool mousemove --window "$main_id" $((5 + $1 + 52)) $((33 + 7 + 13)) click 1; }
# Keys to a window as the user types them: Wine may give a box a new X
# window after it first shows, so the window is looked up again and
# focused, and the keys go through the X server's test input.
press() {
  local id
  id=$(qw_poll 10 0.2 named "$1") || return 1
  xdotool windowfocus "$id" 2>/dev/null
  sleep 0.3
  xdotool key "$2"
}
# Answers the next box "Hinweis" with a key and waits until it is gone.
answer_note() {
  qw_poll 20 0.2 named '^Hinweis$' >/dev/null || return 1
  sleep 0.5
  press '^Hinweis$' "$1" || return 1
  qw_poll 10 0.1 gone '^Hinweis$' >/dev/null || sleep 1
}

if ! qw_start_xvfb "$work"; then fail "Xvfb did not start"; finish; fi
if ! qw_private_prefix "$work/prefix"; then fail "no copy of the Wine prefix"; finish; fi
if ! qw_lay_out_program_folder "$folder"; then fail "no program folder"; finish; fi
for m in qw32vim.dll qw32brkpnt.dll; do
  [ -f "$folder/$m" ] || { fail "$m was not built"; finish; }
done
windows_dir=$(qw_current_prefix)/drive_c/windows
archive="$folder/brkpoint/Quellwerk Programmstart (5).cab"
# A breakpoint at every start, so the first one has it.
printf '[Option]\r\nProgStartCount=1\r\n' >"$folder/qw32break.cfg"

qw_start_program "$folder" >"$work/program.log" 2>&1
main_id=$(qw_poll "$timeout_s" 0.1 main_window) || { fail "no main window"; finish; }
qw_wait_painted 20 || true
[ -f "$archive" ] && pass "the start took a breakpoint" || { fail "no breakpoint at the start"; finish; }

click_page 5
sleep 1
qw_wait_painted 20 || true
qw_screenshot "$main_id" "$shots/service.png"
pass "the service page shows ($shots/service.png)"

click_service 117
if qw_poll 20 0.2 named '^Programmoptionen$' >/dev/null; then
  pass "\"Optionen\" opens the options dialog"
  press '^Programmoptionen$' Escape
  qw_poll 10 0.1 gone '^Programmoptionen$' >/dev/null || fail "the options dialog does not close"
else
  fail "\"Optionen\" opens no options dialog"
fi

click_service 7
if about=$(qw_poll 20 0.2 named 'ber Quellwerk$'); then
  pass "\"Über...\" opens the about window of qw32vim.dll"
  shoot "$about" "$shots/about.png"
  press 'ber Quellwerk$' Return
  qw_poll 10 0.1 gone 'ber Quellwerk$' >/dev/null || fail "the about window does not close"
else
  fail "\"Über...\" opens no about window"
fi

# The user changes win.ini after the start.
win_ini=$(find "$windows_dir" -maxdepth 1 -iname win.ini | head -n1)
printf '[Quellwerk-Test]\r\ngeaendert=1\r\n' >>"$win_ini"
mkdir -p "$work/archived"
for f in WIN.INI SYSTEM.DAT; do cabextract -q -d "$work/archived" -F "$f" "$archive" >/dev/null 2>&1; done
archived_ini=$(find "$work/archived" -iname win.ini | head -n1)
archived_dat=$(find "$work/archived" -iname system.dat | head -n1)

click_service 337
if manager=$(qw_poll 20 0.2 named 'Breakpoint-Manager'); then
  pass "\"Rückgängig\" opens the breakpoint manager of qw32brkpnt.dll"
  shoot "$manager" "$shots/restore.png"
  press 'Breakpoint-Manager' alt+w
  answer_note Return || fail "no confirmation before the restore"
  answer_note Return || fail "no report after the restore"
  # The registry is staged: the restart is offered, with "Nein" as the
  # default button.
  answer_note Return || fail "no restart offered for the staged registry"
  press 'Breakpoint-Manager' Escape
  qw_poll 10 0.1 gone 'Breakpoint-Manager' >/dev/null || fail "the manager does not close"
else
  fail "\"Rückgängig\" opens no breakpoint manager"
fi

if [ -n "$archived_ini" ] && cmp -s "$archived_ini" "$win_ini"; then
  pass "win.ini is byte for byte the archived one again"
else
  fail "win.ini is not the archived one"
fi
undo="$folder/brkpoint/Quellwerk vor Wiederherstellung.cab"
if [ -f "$undo" ] && cabextract -q -p -F WIN.INI "$undo" 2>/dev/null | grep -q geaendert; then
  pass "the changed win.ini was saved in the undo archive first"
else
  fail "no undo archive with the changed win.ini"
fi
wininit=$(find "$windows_dir" -maxdepth 1 -iname wininit.ini | head -n1)
staged=$(tr -d '\r' <"${wininit:-/dev/null}" 2>/dev/null | awk -F= 'toupper($1) ~ /SYSTEM\.DAT$/ { print $2 }')
if [ -n "$staged" ]; then
  pass "system.dat is staged in WININIT.INI [rename] ($staged)"
else
  fail "system.dat is not staged in WININIT.INI"
fi

qw_click_close "$main_id"
if qw_wait_exit "$qw_program_pid" "$timeout_s"; then
  qw_program_pid=
else
  fail "the program did not close"
fi

# A simulated restart.
system_dat=$(find "$windows_dir" -maxdepth 1 -iname system.dat | head -n1)
WINEPREFIX=$(qw_current_prefix) timeout 60 "$qw_wine_run" wineboot -r >"$work/wineboot.log" 2>&1 || true
WINEPREFIX=$(qw_current_prefix) timeout 30 "$qw_wineserver" -w 2>/dev/null || true
if [ -f "$windows_dir/wininit.ini" ] || [ -n "$(find "$windows_dir" -maxdepth 1 -iname wininit.ini)" ]; then
  echo "NOTE: Wine's wineboot -r leaves WININIT.INI as it is; the [rename] is not carried out"
elif [ -n "$archived_dat" ] && cmp -s "$archived_dat" "$system_dat"; then
  pass "after wineboot -r, system.dat is the archived one"
else
  fail "wineboot -r took WININIT.INI but system.dat is not the archived one"
fi
finish
