#!/usr/bin/env bash
# Drives the password lock and the program options under Wine as a user would,
# on a display of its own:
#   - with a password set in the sample machine's "sysbtnc.dll", the program
#     asks for it ("Quellwerk - Kennwort") before the splash; the right one
#     opens the splash and the main window;
#   - a wrong one shows the gate's message and ends the program without a
#     splash window;
#   - the options cycle ("Programmoptionen", run on its own by
#     options_preview.exe from a program folder with a blank in its path):
#     tab "Erweitert", "Passwort" opens "Passworteigenschaften", a new
#     password of eight characters is stored; the context-menu box and "OK"
#     write the options and the quoted command of the context-menu entry.
# Screenshots of the dialogs go to build/gui-test/screenshots, or to the
# folder in QW_SCREENSHOTS (for docs/screenshots). The last line says
# "N passed, N failed".
#
# Environment: QW_PROGRAM_EXE, QW_GUI_TIMEOUT (seconds per wait, default 60),
# QW_SCREENSHOTS.
set -uo pipefail

qw_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=tests/gui/lib.sh
. "$qw_repo/tests/gui/lib.sh"
timeout_s=${QW_GUI_TIMEOUT:-60}
work=$(mktemp -d "${TMPDIR:-/tmp}/quellwerk-gui.XXXXXX")
folder="$work/Halvorn Quellwerk"
shots=${QW_SCREENSHOTS:-$qw_repo/build/gui-test/screenshots}
preview=$qw_repo/build/win64/safety/options_preview.exe

# The check value of "Geheimnis" and of "Kennwort" (tests/safety/crypto_test.cpp).
geheimnis='3rZNvXFCS+TW/PAs9UGHYw=='
kennwort='OMtiQzYdqpS3LN5LveoMbw=='

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "PASS: $*"; }
fail() {
  failed=$((failed + 1))
  echo "FAIL: $*"
  if [ "$failed" -eq 1 ] && [ -n "$qw_xvfb_pid" ]; then
    mkdir -p "$qw_repo/build/gui-test"
    xwd -root -silent 2>/dev/null | convert xwd:- "PNG:$qw_repo/build/gui-test/password-failure.png" 2>/dev/null \
      && echo "gui: the screen at this failure: build/gui-test/password-failure.png"
  fi
}

trap 'qw_end_run "$work"' EXIT
trap 'exit 130' INT TERM

finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

# The first visible window of the process with this caption.
window_named() {
  local pid=$1 caption=$2
  kill -0 "$pid" 2>/dev/null || { echo "ended"; return; }
  qw_windows "$pid" | awk -v caption="$caption" '
    { name = $0; for (i = 0; i < 5; i++) sub(/^[^ ]+ /, "", name); if (name == caption) { print $1; exit } }'
}

# Any visible window of the process other than the given one.
other_window() {
  local pid=$1 not=$2
  kill -0 "$pid" 2>/dev/null || { echo "ended"; return; }
  qw_windows "$pid" | awk -v not="$not" '$1 != not { print $1; exit }'
}

main_or_splash() {
  local pid=$1 id
  kill -0 "$pid" 2>/dev/null || { echo "ended"; return; }
  id=$(qw_find_main "$pid"); [ -n "$id" ] && { echo "main $id"; return; }
  id=$(qw_find_splash "$pid"); [ -n "$id" ] && echo "splash $id"
}

# click WINDOW X Y: a left click at client coordinates of a dialog with a
# caption (Wine draws the frame: 3 pixels of border, 19 of caption).
click() {
  xdotool mousemove --window "$1" $(( $2 + 3 )) $(( $3 + 22 )) click 1
  sleep 0.3
}

# Waits for the prompt of the start, types the text and presses Enter.
answer_prompt() {
  local pid=$1 text=$2 shot=${3:-} id
  id=$(qw_poll "$timeout_s" 0.1 window_named "$pid" "Quellwerk - Kennwort") || id=
  case $id in
    ''|ended) fail "no password prompt \"Quellwerk - Kennwort\" at the start"; return 1 ;;
  esac
  if [ -n "$(qw_find_splash "$pid")$(qw_find_main "$pid")" ]; then
    fail "the splash or main window showed with the password prompt"
  else
    pass "the program asks for the password first"
  fi
  qw_wait_painted 10 || true
  [ -n "$shot" ] && qw_screenshot "$id" "$shots/$shot"
  click "$id" 127 36  # Edit1
  xdotool type --delay 40 "$text"
  xdotool key Return
  prompt_id=$id
}

set_check_value() {
  sed -i "8s|^.*\r\$|$1\r|" "$drive_c/windows/sysbtnc.dll"
}

line8() { sed -n '8p' "$drive_c/windows/sysbtnc.dll" | tr -d '\r'; }

# --- set-up ---------------------------------------------------------------------
if ! qw_start_xvfb "$work"; then fail "Xvfb did not start"; finish; fi
if ! qw_private_prefix "$work/prefix"; then fail "no copy of the Wine prefix"; finish; fi
if ! qw_lay_out_program_folder "$folder"; then fail "no program folder"; finish; fi
drive_c=$work/prefix/drive_c
set_check_value "$geheimnis"

# --- the right password ---------------------------------------------------------
qw_start_program "$folder" >"$work/program.log" 2>&1
if answer_prompt "$qw_program_pid" "Geheimnis" dlgpass.png; then
  seen=$(qw_poll "$timeout_s" 0.05 main_or_splash "$qw_program_pid") || seen=timeout
  case $seen in
    splash*) pass "the right password opens the splash window" ;;
    *) fail "after the right password: $seen instead of the splash window" ;;
  esac
  seen=$(qw_poll "$timeout_s" 0.1 qw_find_main "$qw_program_pid") || seen=
  if [ -n "$seen" ]; then
    pass "and then the main window"
    qw_wait_painted 20 || true
    qw_click_close "$seen"
    qw_wait_exit "$qw_program_pid" "$timeout_s" && qw_program_pid=
  else
    fail "no main window after the right password"
  fi
fi
qw_stop_wine

# --- a wrong password -------------------------------------------------------------
qw_start_program "$folder" >>"$work/program.log" 2>&1
if answer_prompt "$qw_program_pid" "geheimnis"; then
  box=$(qw_poll "$timeout_s" 0.1 other_window "$qw_program_pid" "$prompt_id") || box=
  case $box in
    ''|ended) fail "no message after a wrong password" ;;
    *) if [ -n "$(qw_find_splash "$qw_program_pid")" ]; then
         fail "the splash window showed after a wrong password"
       else
         pass "a wrong password (other case) shows the gate's message"
       fi
       qw_wait_painted 10 || true
       qw_screenshot "$box" "$shots/gate_message.png"
       xdotool key Return ;;
  esac
  if qw_wait_exit "$qw_program_pid" "$timeout_s"; then
    qw_program_pid=
    [ "$qw_exit_status" -eq 0 ] && pass "and the program ends (status 0)" \
      || fail "the program ended with status $qw_exit_status after the wrong password"
  else
    fail "the program still runs after the gate's message"
  fi
fi
qw_stop_wine

# --- the options and the password dialog ----------------------------------------------
if [ ! -f "$preview" ]; then fail "no $preview (build the win64 target options_preview)"; finish; fi
cp "$preview" "$folder/"
set_check_value 'Rb"k71Qx'
(cd "$folder" && exec "$qw_repo/cmake/wine-run.sh" "$folder/options_preview.exe") >>"$work/program.log" 2>&1 &
qw_program_pid=$!
options=$(qw_poll "$timeout_s" 0.1 window_named "$qw_program_pid" "Programmoptionen") || options=
case $options in
  ''|ended) fail "no dialog \"Programmoptionen\""; finish ;;
esac
pass "the options dialog \"Programmoptionen\" shows"
qw_wait_painted 10 || true
qw_screenshot "$options" "$shots/options_allgemein.png"
click "$options" 95 19   # tab "Sicherheit"
qw_wait_painted 10 || true
qw_screenshot "$options" "$shots/options_sicherheit.png"
click "$options" 160 19  # tab "Erweitert"
qw_wait_painted 10 || true
qw_screenshot "$options" "$shots/options_erweitert.png"
click "$options" 47 68   # "Quellwerk in das Kontextmenü des Arbeitsplatzes"
click "$options" 77 232  # "Passwort"
passset=$(qw_poll "$timeout_s" 0.1 window_named "$qw_program_pid" "Passworteigenschaften") || passset=
case $passset in
  ''|ended) fail "\"Passwort\" opened no \"Passworteigenschaften\"" ;;
  *) pass "\"Passwort\" opens \"Passworteigenschaften\""
     qw_wait_painted 10 || true
     click "$passset" 195 118; xdotool type --delay 40 "Kennwort"
     click "$passset" 195 150; xdotool type --delay 40 "Kennwort"
     click "$passset" 190 198  # "Übernehmen"
     gone=$(qw_poll 10 0.1 sh -c "[ -z \"\$(xdotool search --onlyvisible --name '^Passworteigenschaften\$' 2>/dev/null)\" ] && echo gone") || gone=
     [ -n "$gone" ] && pass "\"Übernehmen\" closes the password dialog" || fail "the password dialog stayed open"
     if [ "$(line8)" = "$kennwort" ]; then pass "the new password is stored in line 8 of sysbtnc.dll"
     else fail "line 8 of sysbtnc.dll is \"$(line8)\", not the check value of the new password"; fi ;;
esac
click "$options" 305 295  # "OK"
if qw_wait_exit "$qw_program_pid" "$timeout_s"; then
  qw_program_pid=
  pass "\"OK\" closes the options dialog"
else
  fail "the options dialog stayed open after \"OK\""
fi
qw_stop_wine

# The password dialog on its own, for its picture: opened from the options
# dialog under Wine it stays unpainted, although it works.
(cd "$folder" && exec "$qw_repo/cmake/wine-run.sh" "$folder/options_preview.exe" /passwort) >>"$work/program.log" 2>&1 &
qw_program_pid=$!
passset=$(qw_poll "$timeout_s" 0.1 window_named "$qw_program_pid" "Passworteigenschaften") || passset=
case $passset in
  ''|ended) fail "no \"Passworteigenschaften\" from options_preview.exe /passwort" ;;
  *) qw_wait_painted 10 || true
     qw_screenshot "$passset" "$shots/dlgpassset.png"
     click "$passset" 276 198  # "Schließen"
     qw_wait_exit "$qw_program_pid" "$timeout_s" && qw_program_pid= ;;
esac
qw_stop_wine

query() { "$qw_repo/cmake/wine-run.sh" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | grep -i "$2" | head -1; }
ctx=$(query 'HKCU\Software\Halvorn\Quellwerk\Options' ContextMenu)
exitv=$(query 'HKCU\Software\Halvorn\Quellwerk\Options' Exit)
case "$ctx|$exitv" in
  *REG_SZ*1\|*REG_SZ*0) pass "\"OK\" writes the options as text (ContextMenu 1, Exit 0)" ;;
  *) fail "options after \"OK\": \"$ctx\" \"$exitv\"" ;;
esac
command=$("$qw_repo/cmake/wine-run.sh" reg query 'HKCR\Folder\Shell\Quellwerk starten\command' 2>/dev/null | tr -d '\r' | grep -i 'quellwerk.exe')
case $command in
  *'"'*'Halvorn Quellwerk\quellwerk.exe"'*) pass "the context-menu command is the quoted path of quellwerk.exe" ;;
  *) fail "context-menu command: \"$command\"" ;;
esac
qw_stop_wine
finish
