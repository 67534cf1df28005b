#!/usr/bin/env bash
# Drives the hosted modules "qw32perfx.ocx" and "qw32reax.ocx" of
# quellwerk.exe under Wine on a display of its own, registered in a private
# copy of the prefix as the set-up registers them:
#   - "Performance" hosts the performance module; its "Aufräumen" leaves the
#     temp folder alone after "Nein" and moves its files to the recycle bin
#     (Wine's XDG trash, kept in the run's folder) after "Ja", all but the
#     one another program holds open;
#   - "Reparieren" then hosts the repair module, and the performance module
#     was released before the repair module was made (the modules say so
#     through OutputDebugStringA, which Wine's debugstr channel prints);
#   - the repair module finds a Run entry whose program is gone, removes it
#     after "Ja", and the REGEDIT4 file it wrote into "brkpoint" brings it
#     back with "regedit /s";
#   - its "SharedDLLs" check, driven by Tab and the space bar, removes an
#     entry whose file is gone, and its REGEDIT4 file brings the count back.
# With QW_GUI_SCREENSHOTS=1 it keeps docs/screenshots/performance.png and
# repair.png. The last line says "N passed, N failed".
set -uo pipefail

qw_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=tests/gui/lib.sh
. "$qw_repo/tests/gui/lib.sh"
timeout_s=${QW_GUI_TIMEOUT:-60}
work=$(mktemp -d "${TMPDIR:-/tmp}/quellwerk-gui.XXXXXX")
folder=$work/program
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
shared_key='HKLM\Software\Microsoft\Windows\CurrentVersion\SharedDLLs'
gone_command='C:\Programme\Verwaist\weg.exe /min'

qw_checks
trap 'qw_end_run "$work"' EXIT
trap 'exit 130' INT TERM

main_window() { qw_find_main "$qw_program_pid"; }
note_window() {
  local id
  for id in $(xdotool search --all --onlyvisible --pid "$qw_program_pid" --name '^Hinweis$' 2>/dev/null); do
    echo "$id"
    return
  done
}
# Prints when the window ID is no longer shown.
window_gone() { xdotool search --onlyvisible --pid "$qw_program_pid" 2>/dev/null | grep -qx "$1" || echo gone; }
# Page button k (1 to 6) of the main window: 115 x 24 at 472, 134 + 33 (k - 1).
click_page() { xdotool mousemove --window "$main_id" 529 $((146 + 33 * ($1 - 1))) click 1; }
# A point of the hosted module: the page lies at 5, 33 of the main window.
click_module() { xdotool mousemove --window "$main_id" $((5 + $1)) $((33 + $2)) click 1; }
# Answers the message box "Hinweis" with KEYS (Return for the default button
# "Ja", n for "Nein"); status 1 when none came.
answer() {
  local note
  note=$(qw_poll 20 0.2 note_window) || return 1
  # Through the keyboard of the display: keys sent to the window itself
  # reach only its default button.
  xdotool windowfocus --sync "$note" 2>/dev/null
  # shellcheck disable=SC2086  # the keys are words
  xdotool key $1
  qw_poll 10 0.2 window_gone "$note" >/dev/null
}
wine_cmd() { "$qw_wine_run" "$@" 2>/dev/null | tr -d '\r'; }

if ! qw_start_xvfb "$work"; then fail "Xvfb did not start"; finish; fi
if ! qw_private_prefix "$work/prefix"; then fail "no copy of the Wine prefix"; finish; fi
if ! qw_lay_out_program_folder "$folder"; then fail "no program folder"; finish; fi
if ! ls "$folder"/qw32perfx.ocx "$folder"/qw32reax.ocx >/dev/null 2>&1; then fail "the modules were not built"; finish; fi
qw_register_modules "$folder" || fail "regsvr32 of the modules"

# Wine's recycle bin is the XDG trash: one of the run's own, on the same disk.
export XDG_DATA_HOME=$work/xdg
mkdir -p "$XDG_DATA_HOME"
temp=$(wine_cmd winepath -u "$(wine_cmd cmd /c echo %TEMP%)")
temp=${temp%/}
mkdir -p "$temp"
for name in alt1.tmp alt2.tmp "~df12.tmp"; do echo "Rest" >"$temp/$name"; done
# One Run entry whose program is gone, one that cannot be judged (Wine lists
# them by name).
wine_cmd reg delete "$run_key" /f >/dev/null
wine_cmd reg add "$run_key" /v QwFehlt /t REG_SZ /d "$gone_command" /f >/dev/null
wine_cmd reg add "$run_key" /v QwOhnePfad /t REG_SZ /d 'nirgends.exe /autorun' /f >/dev/null

# One "SharedDLLs" entry whose file is gone.
wine_cmd reg delete "$shared_key" /f >/dev/null
wine_cmd reg add "$shared_key" /v 'C:\windows\system\qwweg.dll' /t REG_DWORD /d 2 /f >/dev/null

WINEDEBUG=-all,+debugstr qw_start_program "$folder" >"$work/program.log" 2>&1
main_id=$(qw_poll "$timeout_s" 0.1 main_window) || { fail "no main window"; finish; }
qw_wait_painted 20 || true

# --- Performance
click_page 2
sleep 1
qw_wait_painted 20 || true
if [ -n "${QW_GUI_SCREENSHOTS:-}" ]; then
  qw_screenshot "$main_id" "$qw_repo/docs/screenshots/performance.png"
  echo "gui: docs/screenshots/performance.png"
fi
if grep -q 'THalvorn_qw32perfx: erstellt' "$work/program.log"; then
  pass "\"Performance\" hosts the performance module"
else
  fail "no performance module after \"Performance\""
fi

click_module 388 248  # "Aufräumen"
if answer n && [ -f "$temp/alt1.tmp" ] && [ -f "$temp/alt2.tmp" ]; then
  pass "\"Aufräumen\" asks first, and after \"Nein\" the temp files stay"
else
  fail "no question before the cleanup, or files went after \"Nein\""
fi
# A file that another program holds open: cmd writes the pause prompt into
# it and waits for its key until the pipe closes.
held_open() { [ -e "$temp/offen.tmp" ] && echo yes; }
mkfifo "$work/keys"
"$qw_wine_run" cmd /c "pause > %TEMP%\\offen.tmp" <"$work/keys" >/dev/null 2>&1 &
holder=$!
exec 7>"$work/keys"
qw_poll 20 0.2 held_open >/dev/null || fail "no file held open"
click_module 388 248
answer Return || fail "no question at the second \"Aufräumen\""
answer Return || fail "no note after the cleanup"
held=$(held_open)
exec 7>&-
wait "$holder" 2>/dev/null
trashed=$(find "$XDG_DATA_HOME" -path '*Trash/files/*' -name 'alt*.tmp' 2>/dev/null | wc -l)
if [ ! -e "$temp/alt1.tmp" ] && [ ! -e "$temp/alt2.tmp" ] && [ "$trashed" -eq 2 ] && [ "$held" = yes ]; then
  pass "after \"Ja\" the temp files are in the recycle bin, the one held open stays"
else
  fail "after \"Ja\": $(ls "$temp" 2>/dev/null | tr '\n' ' ')left in the temp folder (held open: ${held:-no}), $trashed in the recycle bin"
fi

# --- Reparieren
click_page 4
sleep 1
qw_wait_painted 20 || true
released=$(grep -n 'THalvorn_qw32perfx: freigegeben' "$work/program.log" | head -n1 | cut -d: -f1)
made=$(grep -n 'THalvorn_qw32reax: erstellt' "$work/program.log" | head -n1 | cut -d: -f1)
if [ -n "$made" ]; then
  pass "\"Reparieren\" hosts the repair module"
else
  fail "no repair module after \"Reparieren\""
fi
if [ -n "$released" ] && [ -n "$made" ] && [ "$released" -lt "$made" ]; then
  pass "the performance module is released before the repair module is made"
else
  fail "performance module released at line ${released:-never}, repair module made at ${made:-never}"
fi

click_module 388 64   # "Prüfen" of the Run entries
sleep 1
click_module 40 89    # the first entry's check box
sleep 0.5
qw_wait_painted 10 || true
if [ -n "${QW_GUI_SCREENSHOTS:-}" ]; then
  qw_screenshot "$main_id" "$qw_repo/docs/screenshots/repair.png"
  echo "gui: docs/screenshots/repair.png"
fi
click_module 388 192  # "Entfernen"
answer Return || fail "no question before the removal"
answer Return || fail "no note after the removal"
backup=$(ls "$folder"/brkpoint/reax*.reg 2>/dev/null | head -n1)
if [ -n "$backup" ] && ! wine_cmd reg query "$run_key" /v QwFehlt | grep -q QwFehlt \
  && wine_cmd reg query "$run_key" /v QwOhnePfad | grep -q QwOhnePfad; then
  pass "the chosen Run entry is removed, the one that cannot be judged stays, a backup is written"
else
  fail "the removal: backup ${backup:-none}; $(wine_cmd reg query "$run_key")"
fi

# The "SharedDLLs" check by keyboard: Tab from its "Prüfen" to its list, the
# space bar ticks the first entry.
click_module 388 222  # "Prüfen" of the "SharedDLLs" entries
sleep 1
xdotool windowfocus --sync "$main_id" 2>/dev/null
xdotool key Tab space
sleep 0.5
click_module 388 350  # its "Entfernen"
if answer Return && answer Return && ! wine_cmd reg query "$shared_key" | grep -qi 'qwweg.dll'; then
  pass "Tab moves into the list, the space bar ticks the missing \"SharedDLLs\" entry, and it is removed"
else
  fail "the \"SharedDLLs\" entry was not removed by keyboard: $(wine_cmd reg query "$shared_key")"
fi

qw_click_close "$main_id"
if qw_wait_exit "$qw_program_pid" "$timeout_s" && [ "$qw_exit_status" -eq 0 ]; then
  qw_program_pid=
  pass "the program then closes normally"
else
  fail "the program did not close normally"
fi

# Each removal wrote its own file: the Run entry first, then the DLL's count.
backups=("$folder"/brkpoint/reax*.reg)
if [ "${#backups[@]}" -eq 2 ] && [ -f "${backups[1]}" ]; then
  for f in "${backups[@]}"; do wine_cmd regedit /s "Z:${f//\//\\}" >/dev/null; done
  if wine_cmd reg query "$run_key" /v QwFehlt | grep -qF "$gone_command" \
    && wine_cmd reg query "$shared_key" | grep -i 'qwweg.dll' | grep -q '0x2'; then
    pass "the backups bring the Run entry and the SharedDLLs count back through \"regedit /s\""
  else
    fail "the entries did not come back from ${backups[*]}"
  fi
else
  fail "not two backups in brkpoint: ${backups[*]}"
fi
finish
