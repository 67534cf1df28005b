#!/usr/bin/env bash
# Drives the boot page of the real program under Wine as Windows 98:
#   - "Systemeinstellungen" shows the settings window with the boot page;
#     screenshots of its three notebook pages go to docs/screenshots/;
#   - "Bootmenü immer anzeigen." is ticked and a 640 x 480 picture is
#     imported as the start picture through the file dialog;
#   - closing with "Ja" writes BootMenu=1 into C:\MSDOS.SYS, keeping its
#     filler lines, its other sections and its attributes, and replaces
#     C:\LOGO.SYS with the imported 320 x 400, 8-bit picture.
# Own Xvfb, own prefix copy, own program folder; bounded waits. The last
# line says "N passed, N failed".
set -uo pipefail

qw_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=tests/gui/lib.sh
. "$qw_repo/tests/gui/lib.sh"
timeout_s=${QW_GUI_TIMEOUT:-60}
shots=${QW_SCREENSHOTS:-$qw_repo/docs/screenshots}
work=$(mktemp -d "${TMPDIR:-/tmp}/quellwerk-boot.XXXXXX")
folder=$work/program

qw_checks
trap 'qw_end_run "$work"' EXIT
trap 'exit 130' INT TERM

main_window() { qw_find_main "$1"; }
# A window of the process other than the main window (a dialog).
other_window() {
  qw_windows "$1" | awk -v main="$2" '$1 != main { print $1; exit }'
}
click() { xdotool mousemove --window "$main_id" "$1" "$2" click 1; }

if ! qw_start_xvfb "$work"; then fail "Xvfb did not start"; finish; fi
if ! qw_private_prefix "$work/prefix"; then fail "no copy of the Wine prefix"; finish; fi
if ! qw_lay_out_program_folder "$folder"; then fail "no program folder"; finish; fi
drive_c=$work/prefix/drive_c
# The picture the user imports, and MSDOS.SYS as it was.
/usr/bin/python3 - "$drive_c/neulogo.bmp" <<'PY'
import sys
from PIL import Image
im = Image.new("RGB", (640, 480))
im.putdata([(x * 255 // 639, y * 255 // 479, 128) for y in range(480) for x in range(640)])
im.save(sys.argv[1])
PY
cp "$drive_c/MSDOS.SYS" "$work/msdos.before"
attrs_before=$("$qw_repo/cmake/wine-run.sh" cmd /c attrib 'C:\MSDOS.SYS' 2>/dev/null | tr -d '\r' | cut -c1-10)

qw_start_program "$folder" >"$work/program.log" 2>&1
main_id=$(qw_poll "$timeout_s" 0.1 main_window "$qw_program_pid") || { fail "no main window"; finish; }
qw_wait_painted 20 || true

# The page button "Systemeinstellungen" (472, 134, 115 x 24).
click 529 146
qw_wait_painted 20 || true
# Page origin in the main window: container (5, 33) + settings page (0, 33).
px=5
py=66
qw_screenshot "$main_id" "$shots/boot.png"
click $((px + 101 + 44)) $((py + 7 + 11))   # "Vorgang"
qw_wait_painted 10 || true
qw_screenshot "$main_id" "$shots/boot_vorgang.png"
click $((px + 193 + 44)) $((py + 7 + 11))   # "Weiteres"
qw_wait_painted 10 || true
qw_screenshot "$main_id" "$shots/boot_weiteres.png"
click $((px + 9 + 44)) $((py + 7 + 11))     # back to "Boot-Menü"
qw_wait_painted 10 || true
pass "the boot page and its notebook pages are shot into $shots"

# "Bootmenü immer anzeigen." (62, 179 on the notebook at 0, 32).
click $((px + 62 + 6)) $((py + 32 + 179 + 8))
sleep 0.5
if tr -d '\r' <"$folder/tmpcfg.twc" | grep -aqi '^BootMenu=1'; then
  pass "ticking \"Bootmenü immer anzeigen.\" writes BootMenu=1 into tmpcfg.twc at once"
else
  fail "tmpcfg.twc has no BootMenu=1 after the tick"
fi

# The import button over the start preview (304, 22, 124 x 89).
click $((px + 304 + 62)) $((py + 22 + 44))
dialog=$(qw_poll "$timeout_s" 0.2 other_window "$qw_program_pid" "$main_id") || { fail "no file dialog"; finish; }
sleep 1
xdotool type --delay 30 'C:\neulogo.bmp'
xdotool key Return
# The copy is written as "logo.bmp", which Windows takes for "Logo.bmp".
start_copy() { find "$folder" -maxdepth 1 -iname logo.bmp | head -n 1; }
imported() {
  local copy
  copy=$(start_copy)
  [ -n "$copy" ] && [ "$(od -An -tu2 -j28 -N2 "$copy" | tr -d ' ')" = 8 ] && ! cmp -s "$copy" "$work/logo.before" && echo ok
}
cp "$drive_c/LOGO.SYS" "$work/logo.before"
if qw_poll 20 0.2 imported >/dev/null; then
  pass "the import replaced the start picture's copy with an 8-bit picture"
else
  fail "the start picture's copy did not change"
fi
qw_wait_painted 10 || true
qw_screenshot "$main_id" "$shots/boot_imported.png"

# Close, and answer "Ja" to applying.
qw_click_close "$main_id"
question=$(qw_poll "$timeout_s" 0.2 other_window "$qw_program_pid" "$main_id") || { fail "no question at close"; finish; }
sleep 0.5
xdotool key --window "$question" Return 2>/dev/null || xdotool key Return
if qw_wait_exit "$qw_program_pid" "$timeout_s"; then
  qw_program_pid=
  pass "the program ends after \"Ja\" (status $qw_exit_status)"
else
  # A restart question may follow; decline it.
  xdotool key Escape
  qw_wait_exit "$qw_program_pid" "$timeout_s" && qw_program_pid=
fi

after=$(tr -d '\r' <"$drive_c/MSDOS.SYS")
before=$(tr -d '\r' <"$work/msdos.before")
if grep -aqi '^BootMenu=1$' <<<"$after"; then pass "C:\\MSDOS.SYS holds BootMenu=1"; else fail "C:\\MSDOS.SYS lacks BootMenu=1"; fi
# The page writes every key of its own; no other line may go or change.
lost=$(diff <(grep -avi '^BootMenu=' <<<"$before" | grep -av '^$') <(grep -avi '^BootMenu=' <<<"$after" | grep -av '^$') | grep -a '^<')
if [ -z "$lost" ] && grep -aq '^\[Paths\]' <<<"$after" && [ "$(grep -ac '^;' <<<"$after")" = "$(grep -ac '^;' <<<"$before")" ]; then
  pass "every other line of MSDOS.SYS is kept, the filler lines and [Paths] among them"
else
  fail "MSDOS.SYS lost or changed other lines: $lost"
fi
attrs_after=$("$qw_repo/cmake/wine-run.sh" cmd /c attrib 'C:\MSDOS.SYS' 2>/dev/null | tr -d '\r' | cut -c1-10)
if [ "$attrs_before" = "$attrs_after" ]; then pass "MSDOS.SYS keeps its attributes ($attrs_after)"; else fail "attributes of MSDOS.SYS: '$attrs_before' became '$attrs_after'"; fi
if cmp -s "$(start_copy)" "$drive_c/LOGO.SYS"; then
  pass "C:\\LOGO.SYS is the imported picture"
else
  fail "C:\\LOGO.SYS is not the imported picture"
fi
bits=$(od -An -tu2 -j28 -N2 "$drive_c/LOGO.SYS" | tr -d ' ')
size=$(od -An -tu4 -j18 -N8 "$drive_c/LOGO.SYS" | xargs)
if [ "$bits" = 8 ] && [ "$size" = "320 400" ]; then pass "C:\\LOGO.SYS is 320 x 400 with 8 bits"; else fail "C:\\LOGO.SYS is $size with $bits bits"; fi
finish
