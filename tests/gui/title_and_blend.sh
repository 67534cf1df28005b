#!/usr/bin/env bash
# Starts quellwerk.exe under Wine as Windows 98 on a display of its own and
# looks at the main window as a user would:
#   - the title label reads "Willkommen" in full: on the sample machine, and
#     in a fresh prefix without it (where the interface font Tahoma is added
#     for the run) with font smoothing on and off, the title covers the same
#     pixel columns, as wide as the whole word;
#   - a click on "Systemeinstellungen" cross-fades from the welcome page to
#     the settings window: screenshots taken during the change show the page
#     area in colours between the two pages for nearly the blend's 810 ms,
#     in no more than 64 different mixes.
# Three frames of the change are kept as build/gui-test/blend.png (with
# --keep-blend PATH also at PATH; docs/screenshots/blend.png is the one in the
# docs). Runs on its own Xvfb and copies of the prefixes, waits only with
# bounded polls, and stops what it started also when it fails. The last line
# says "N passed, N failed".
#
# Environment: QW_PROGRAM_BUILD (win64, the default, or win32 for the product
# under 32-bit Wine), QW_PROGRAM_EXE (default that build's app/quellwerk.exe),
# QW_GUI_TIMEOUT (seconds for each wait, default 60).
set -uo pipefail

qw_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=tests/gui/lib.sh
. "$qw_repo/tests/gui/lib.sh"
timeout_s=${QW_GUI_TIMEOUT:-60}
keep_blend=
if [ "${1:-}" = "--keep-blend" ]; then
  keep_blend=${2:?"--keep-blend needs a path"}
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/quellwerk-gui.XXXXXX")
out=$qw_repo/build/gui-test
mkdir -p "$out"

passed=0
failed=0
pass() { passed=$((passed + 1)); echo "PASS: $*"; }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }

trap 'qw_end_run "$work"' EXIT
trap 'exit 130' INT TERM

finish() {
  echo "$passed passed, $failed failed"
  [ "$failed" -eq 0 ]
  exit
}

# The main window's client area: 620 x 440; the title label stands at 8, 7
# on the dark strip, the page container at 5, 33 with 451 x 400.
title_box="200x18+4+5"
page_box="451x400+5+33"
# "Willkommen" in bold italic Tahoma 8 pt is 73 pixels wide; without its last
# letter the title covers 63 columns.
title_min_width=68

# The columns the title's light letters cover, as "left width".
title_columns() {
  local geometry
  geometry=$(convert "$1" -crop "$title_box" +repage -colorspace Gray -threshold 55% -format '%@' info: 2>/dev/null)
  # WxH+X+Y of the light pixels
  local w=${geometry%%x*} x=${geometry#*+}
  x=${x%%+*}
  echo "$x $w"
}

# A fresh prefix as the set-up makes it, without the sample machine, for the
# Wine of the build in use (64-bit, or 32-bit for the product).
fresh_prefix() {
  local dir=$1
  (
    export "$qw_prefix_var=$dir"
    "$qw_wine_run" wineboot -i >/dev/null 2>&1
    WINEPREFIX=$dir "$qw_wineserver" -w
    "$qw_wine_run" reg add 'HKCU\Software\Wine' /v Version /t REG_SZ /d win98 /f >/dev/null 2>&1
    WINEPREFIX=$dir "$qw_wineserver" -w
  )
  [ -f "$dir/system.reg" ]
}

# start_main NAME: starts the program in its folder; sets main_id.
main_id=
start_main() {
  qw_lay_out_program_folder "$work/program-$1" || return 1
  qw_start_program "$work/program-$1" >"$work/program-$1.log" 2>&1
  main_id=$(qw_poll "$timeout_s" 0.1 qw_find_main "$qw_program_pid") || return 1
  qw_wait_painted 20 || echo "gui: the screen still changed after 20 s"
}

stop_main() {
  qw_click_close "$main_id"
  qw_wait_exit "$qw_program_pid" "$timeout_s" || true
  qw_program_pid=
  qw_stop_wine
}

# The mean colour of the page area of a screenshot, as "r g b" (0-255).
page_mean() {
  convert "$1" -crop "$2" +repage -resize 1x1\! -format '%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]' info:
}

if ! qw_start_xvfb "$work"; then fail "Xvfb did not start"; finish; fi
echo "gui: display $DISPLAY, work in $work"

# --- the title on three machines -------------------------------------------------
declare -A columns
for machine in sample fresh-smooth fresh-plain; do
  case $machine in
    sample) qw_private_prefix "$work/prefix-$machine" || { fail "no copy of the Wine prefix"; finish; } ;;
    fresh-*)
      if [ ! -f "$work/fresh/system.reg" ]; then
        fresh_prefix "$work/fresh" || { fail "no fresh Wine prefix"; finish; }
      fi
      qw_private_prefix "$work/prefix-$machine" "$work/fresh" || { fail "no copy of the fresh prefix"; finish; }
      smoothing=2
      [ "$machine" = fresh-plain ] && smoothing=0
      "$qw_repo/cmake/wine-run.sh" reg add 'HKCU\Control Panel\Desktop' /v FontSmoothing /t REG_SZ /d "$smoothing" \
        /f >/dev/null 2>&1
      ;;
  esac
  if ! start_main "$machine"; then
    fail "$machine: no main window within $timeout_s s"
    [ -n "$qw_program_pid" ] && kill "$qw_program_pid" 2>/dev/null
    qw_program_pid=
    qw_stop_wine
    continue
  fi
  shot=$out/title-$machine.png
  qw_screenshot "$main_id" "$shot"
  columns[$machine]=$(title_columns "$shot")
  echo "gui: $machine: the title covers columns ${columns[$machine]% *} to" \
    "$(( ${columns[$machine]% *} + ${columns[$machine]#* } - 1 )) of the strip ($shot)"
  if [ "${columns[$machine]#* }" -ge "$title_min_width" ]; then
    pass "$machine: the title \"Willkommen\" is shown in full (${columns[$machine]#* } columns wide)"
  else
    fail "$machine: the title is cut: ${columns[$machine]#* } columns wide, \"Willkommen\" needs $title_min_width"
  fi

  if [ "$machine" = sample ]; then
    # --- the blend from the welcome page to "Systemeinstellungen" ---------------
    mkdir -p "$work/frames"
    before=$(page_mean "$shot" "$page_box")
    xdotool mousemove --window "$main_id" $((472 + 57)) $((134 + 12)) click 1
    clicked=$(qw_now_ms)
    n=0
    while [ $(( $(qw_now_ms) - clicked )) -lt 2500 ]; do
      n=$((n + 1))
      xwd -id "$main_id" -silent >"$work/frames/$(printf '%03d' $n)-$(( $(qw_now_ms) - clicked )).xwd" 2>/dev/null
    done
    qw_wait_painted 20 || true
    qw_screenshot "$main_id" "$out/settings.png"
    after=$(page_mean "$out/settings.png" "$page_box")
    frame_box=$page_box  # the screenshots are of the main window alone
    between=()
    declare -A colours=()
    trail=
    first_ms=
    last_ms=
    for f in "$work"/frames/*.xwd; do
      ms=${f##*-}
      ms=${ms%.xwd}
      mean=$(convert "xwd:$f" -crop "$frame_box" +repage -resize 1x1\! \
        -format '%[fx:int(255*r+0.5)] %[fx:int(255*g+0.5)] %[fx:int(255*b+0.5)]' info: 2>/dev/null) || continue
      # In between: in the channel where the two pages differ most, at
      # least 2 levels away from both.
      read -r r0 g0 b0 <<<"$before"
      read -r r1 g1 b1 <<<"$after"
      read -r r g b <<<"$mean"
      trail+=" $ms:${r},${g},${b}"
      set -- "$r0 $r1 $r" "$g0 $g1 $g" "$b0 $b1 $b"
      widest=0 inside=0
      for channel in "$@"; do
        read -r c0 c1 c <<<"$channel"
        d=$(( c1 - c0 )); d=${d#-}
        [ "$d" -gt "$widest" ] || continue
        widest=$d
        lo=$(( c0 < c1 ? c0 : c1 )) hi=$(( c0 < c1 ? c1 : c0 ))
        inside=0
        [ "$c" -ge $(( lo + 2 )) ] && [ "$c" -le $(( hi - 2 )) ] && inside=1
      done
      if [ "$inside" -eq 1 ]; then
        between+=("$f")
        colours[$r,$g,$b]=1
        [ -n "$first_ms" ] || first_ms=$ms
        last_ms=$ms
      fi
    done
    echo "gui: the page area after the click (ms:r,g,b):$trail"
    echo "gui: $n screenshots in 2.5 s; welcome page $before, settings window $after;" \
      "${#between[@]} in between, from $first_ms to $last_ms ms after the click"
    # The blend takes 810 ms in at most 64 steps. Its last steps lie within
    # two levels of the new page, and a screenshot takes some 30 ms, so the
    # mixed frames span a little less than 810 ms, never much more.
    span=$(( ${last_ms:-0} - ${first_ms:-0} ))
    if [ "${#between[@]}" -lt 2 ] || [ "$span" -lt 300 ]; then
      fail "no cross-fade seen: ${#between[@]} screenshots in between the two pages"
    elif [ "$span" -lt 500 ] || [ "$span" -gt 1000 ]; then
      fail "the cross-fade lasts $span ms, not near 810 ms"
    elif [ "${#colours[@]}" -gt 64 ]; then
      fail "the cross-fade shows ${#colours[@]} different mixes, more than its 64 steps"
    else
      pass "the page change cross-fades: ${#between[@]} screenshots in between over $span ms," \
        "${#colours[@]} different mixes"
    fi
    if [ "${#between[@]}" -ge 3 ]; then
      picks=("${between[0]}" "${between[$(( ${#between[@]} / 2 ))]}" "${between[$(( ${#between[@]} - 1 ))]}")
      parts=()
      for p in "${picks[@]}"; do
        convert "xwd:$p" -crop "$frame_box" +repage "$p.png"
        parts+=("$p.png")
      done
      convert "${parts[@]}" -bordercolor white -border 4 +append "$out/blend.png"
      echo "gui: three frames of the change in $out/blend.png"
      if [ -n "$keep_blend" ]; then
        mkdir -p "$(dirname "$keep_blend")"
        cp "$out/blend.png" "$keep_blend"
      fi
    fi
  fi
  stop_main
done

# Smoothing may move an edge by a column where a letter's rim turns grey.
near() { local d=$(( $1 - $2 )); [ ${d#-} -le 1 ]; }
if [ -n "${columns[sample]:-}" ] && [ -n "${columns[fresh-smooth]:-}" ] && [ -n "${columns[fresh-plain]:-}" ]; then
  same=1
  for machine in fresh-smooth fresh-plain; do
    for i in 0 1; do
      a=(${columns[sample]}) b=(${columns[$machine]})
      near "${a[$i]}" "${b[$i]}" || same=0
    done
  done
  if [ "$same" -eq 1 ]; then
    pass "the title covers the same columns on the sample machine and in the fresh prefix, smoothing on and off"
  else
    fail "the title's columns differ: sample ${columns[sample]}, fresh with smoothing ${columns[fresh-smooth]}," \
      "without ${columns[fresh-plain]}"
  fi
fi
finish
