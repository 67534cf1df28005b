#!/usr/bin/env bash
# The road of one change, driven like a user under Wine as Windows 98:
#   - "Systemeinstellungen", then "Oberfläche"; tick "Soft Scrolling
#     ermöglicht ein sanftes Rollen.", type an owner name, tick
#     "Bitmap-Bilder im System mit Vorschau anzeigen.";
#   - a dialog of each module from its page button ("Autostart",
#     "Speicher", "Sicherheit") and the three pages, each shot into
#     docs/screenshots/;
#   - close with "Ja": SmoothScroll is REG_DWORD 1, RegisteredOwner the
#     typed name, the .bmp type's DefaultIcon "%1" with the old text in
#     "oldicon"; the program has ended and its temp config files are gone.
# Own Xvfb, own prefix copy, own program folder; bounded waits. The last
# line says "N passed, N failed".
set -uo pipefail

qw_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=tests/gui/lib.sh
. "$qw_repo/tests/gui/lib.sh"
timeout_s=${QW_GUI_TIMEOUT:-60}
shots=${QW_SCREENSHOTS:-$qw_repo/docs/screenshots}
work=$(mktemp -d "${TMPDIR:-/tmp}/quellwerk-pages.XXXXXX")
folder=$work/program
owner="Hanna Berg"

qw_checks
trap 'qw_end_run "$work"' EXIT
trap 'exit 130' INT TERM

main_window() { qw_find_main "$1"; }
other_window() {
  qw_windows "$1" | awk -v main="$2" '$1 != main { print $1; exit }'
}
click() { xdotool mousemove --window "$main_id" "$1" "$2" click 1; }
# A registry value's type and data as "reg query" prints them.
reg_value() {
  "$qw_wine_run" reg query "$1" "${@:2}" 2>/dev/null | tr -d '\r' | awk 'NF >= 3 && $0 ~ /REG_/ {
    for (i = 1; i <= NF; i++) if ($i ~ /^REG_/) { t = $i; d = ""; for (j = i + 1; j <= NF; j++) d = d (j > i + 1 ? " " : "") $j; print t " " d; exit } }'
}

if ! qw_start_xvfb "$work"; then fail "Xvfb did not start"; finish; fi
if ! qw_private_prefix "$work/prefix"; then fail "no copy of the Wine prefix"; finish; fi
if ! qw_lay_out_program_folder "$folder"; then fail "no program folder"; finish; fi

smooth_before=$(reg_value 'HKCU\Control Panel\desktop' /v SmoothScroll)
bmp_type=$(reg_value 'HKCR\.bmp' /ve | cut -d' ' -f2-)
icon_before=$(reg_value "HKCR\\$bmp_type\\DefaultIcon" /ve | cut -d' ' -f2-)
if [ "$smooth_before" = "REG_DWORD 0x0" ] && [ -n "$bmp_type" ] && [ -n "$icon_before" ] && [ "$icon_before" != "%1" ]; then
  pass "the sample machine scrolls without smoothing; .bmp is \"$bmp_type\" with the icon \"$icon_before\""
else
  fail "sample machine: SmoothScroll '$smooth_before', .bmp type '$bmp_type', icon '$icon_before'"
fi

qw_start_program "$folder" >"$work/program.log" 2>&1
main_id=$(qw_poll "$timeout_s" 0.1 main_window "$qw_program_pid") || { fail "no main window"; finish; }
qw_wait_painted 20 || true

# "Systemeinstellungen" (472, 134, 115 x 24), then "Oberfläche" of the
# settings window (117, 7, 105 x 26 at 5, 33).
click 529 146
qw_wait_painted 20 || true
click $((5 + 117 + 52)) $((33 + 7 + 13))
qw_wait_painted 20 || true
# Page origin in the main window: container (5, 33) + settings page (0, 33).
px=5
py=66

setting() { tr -d '\r' <"$folder/tmpcfg32.twc" | grep -a "^$1=" | cut -d= -f2-; }
# setting_is KEY VALUE: prints the value once the key holds it.
setting_is() { [ "$(setting "$1")" = "$2" ] && printf '%s\n' "$2"; }

click $((px + 57 + 8)) $((py + 318 + 15))   # "Soft Scrolling ..."
if qw_poll 5 0.1 setting_is SmoothScroll 1 >/dev/null; then
  pass "the tick writes SmoothScroll=1 into tmpcfg32.twc at once"
else
  fail "tmpcfg32.twc has SmoothScroll=$(setting SmoothScroll) after the tick"
fi
# The owner field (70, 55, 174 x 21): empty it and type the name.
click $((px + 70 + 150)) $((py + 55 + 10))
xdotool key End
for _ in $(seq 1 30); do xdotool key BackSpace; done
xdotool type --delay 40 "$owner"
if qw_poll 5 0.1 setting_is Owner "$owner" >/dev/null; then
  pass "the typed owner name is in tmpcfg32.twc"
else
  fail "tmpcfg32.twc has Owner=$(setting Owner)"
fi
click $((px + 57 + 8)) $((py + 279 + 15))   # "Bitmap-Bilder ..."
qw_wait_painted 10 || true
qw_screenshot "$main_id" "$shots/interface.png"

# module_dialog X Y TITLE SHOT: presses the launcher at page position X, Y;
# its module's dialog, owned by the main window, is shot and closed with OK.
module_dialog() {
  local dialog name mx my X Y
  click $((px + $1)) $((py + $2))
  if ! dialog=$(qw_poll "$timeout_s" 0.2 other_window "$qw_program_pid" "$main_id"); then
    fail "no dialog \"$3\" (program log: $(tr '\n' ' ' <"$work/program.log" | tail -c 300))"
    return
  fi
  qw_wait_painted 10 || true
  name=$(xdotool getwindowname "$dialog" 2>/dev/null)
  if [ "$name" = "$3" ]; then pass "the button opens the module's dialog \"$3\""; else fail "the module's dialog is called '$name', not '$3'"; fi
  # The dialog over the main window. Wine gives an owned window a visual of
  # its own that a capture of the root shows black, so the dialog is taken
  # from its own window and laid over the main window's picture.
  eval "$(xdotool getwindowgeometry --shell "$main_id" | grep -E '^(X|Y)=[0-9-]+$')"
  mx=$X my=$Y
  eval "$(xdotool getwindowgeometry --shell "$dialog" | grep -E '^(X|Y)=[0-9-]+$')"
  xwd -root -silent | convert xwd:- -crop "620x440+${mx}+${my}" +repage "$work/main.png"
  xwd -id "$dialog" -silent | convert xwd:- "$work/dialog.png"
  convert "$work/main.png" "$work/dialog.png" -geometry "+$((X - mx))+$((Y - my))" -composite "PNG:$shots/$4"
  xdotool key --window "$dialog" Return 2>/dev/null || xdotool key Return
  if qw_poll 10 0.2 bash -c "[ -z \"\$(xdotool search --onlyvisible --name '^$3\$' 2>/dev/null)\" ] && echo gone" >/dev/null; then
    pass "OK closes \"$3\" and the program goes on"
  else
    fail "the dialog \"$3\" stays open"
  fi
}

# The launchers "Autostart" (278, 179) of qw32ifs.dll, "Speicher" (358, 29)
# of qw32ssm.dll and "Sicherheit" (358, 29) of qw32ians.dll, 67 x 57 each.
module_dialog $((278 + 33)) $((179 + 28)) Autostart module_autostart.png

click $((5 + 227 + 52)) $((33 + 7 + 13))   # "System"
qw_wait_painted 20 || true
qw_screenshot "$main_id" "$shots/system.png"
module_dialog $((358 + 33)) $((29 + 28)) Speicher module_speicher.png
click $((5 + 337 + 52)) $((33 + 7 + 13))   # "Weiteres"
qw_wait_painted 20 || true
qw_screenshot "$main_id" "$shots/network.png"
module_dialog $((358 + 33)) $((29 + 28)) Sicherheit module_sicherheit.png
pass "the three pages are shot into $shots"

# Close, and answer "Ja" to applying.
qw_click_close "$main_id"
question=$(qw_poll "$timeout_s" 0.2 other_window "$qw_program_pid" "$main_id") || { fail "no question at close"; finish; }
sleep 0.5
xdotool key --window "$question" Return 2>/dev/null || xdotool key Return
if qw_wait_exit "$qw_program_pid" "$timeout_s"; then
  qw_program_pid=
  pass "the program ends after \"Ja\" without a restart question (status $qw_exit_status)"
else
  fail "the program still runs after \"Ja\""
  finish
fi

smooth=$(reg_value 'HKCU\Control Panel\desktop' /v SmoothScroll)
[ "$smooth" = "REG_DWORD 0x1" ] && pass "SmoothScroll is REG_DWORD 1" || fail "SmoothScroll is '$smooth'"
registered=$(reg_value 'HKLM\Software\Microsoft\Windows\CurrentVersion' /v RegisteredOwner | cut -d' ' -f2-)
[ "$registered" = "$owner" ] && pass "RegisteredOwner is \"$owner\"" || fail "RegisteredOwner is '$registered'"
icon=$(reg_value "HKCR\\$bmp_type\\DefaultIcon" /ve | cut -d' ' -f2-)
old=$(reg_value "HKCR\\$bmp_type\\DefaultIcon" /v oldicon | cut -d' ' -f2-)
if [ "$icon" = "%1" ] && [ "$old" = "$icon_before" ]; then
  pass "the .bmp icon is \"%1\", the old one kept in \"oldicon\""
else
  fail "the .bmp icon is '$icon', oldicon '$old' (before '$icon_before')"
fi
# The picture copies stay; the program keeps them for the next start.
left=$(cd "$folder" && ls -1 | grep -iE '^tmpcfg(32)?\.twc$' | tr '\n' ' ')
[ -z "$left" ] && pass "tmpcfg.twc and tmpcfg32.twc are gone" || fail "left in the program folder: $left"
finish
