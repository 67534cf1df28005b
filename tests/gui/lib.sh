# shellcheck shell=bash disable=SC2034  # the qw_ variables are for the sourcing scripts
# Shared pieces for running quellwerk.exe under Wine on a display of its own:
# the program folder, Xvfb, a private copy of the Wine prefix, finding the
# program's windows, screenshots and the close button. Sourced by run.sh,
# tests/gui/*.sh and bench/start_time.sh; set qw_repo before sourcing.
#
# Every wait is a bounded poll; nothing here relies on a fixed sleep.

qw_wine_dir=/usr/lib/wine
# One wineserver serves the 64-bit and the 32-bit Wine alike.
qw_wineserver=$qw_wine_dir/wineserver64
[ -x "$qw_wineserver" ] || qw_wineserver=wineserver

# qw_use_build BUILD: the build whose program runs, and so its Wine:
#   win64  build/win64, 64-bit Wine (cmake/wine-run.sh), build/wineprefix,
#          a private copy in QW_WINEPREFIX;
#   win32  the product, build/win32, 32-bit Wine (cmake/wine32-run.sh),
#          build/wineprefix32, a private copy in QW_WINEPREFIX32.
# Sourcing picks QW_PROGRAM_BUILD, default win64.
qw_use_build() {
  case $1 in
    win64) qw_wine_run=$qw_repo/cmake/wine-run.sh qw_prefix_var=QW_WINEPREFIX qw_prefix_name=wineprefix ;;
    win32) qw_wine_run=$qw_repo/cmake/wine32-run.sh qw_prefix_var=QW_WINEPREFIX32 qw_prefix_name=wineprefix32 ;;
    *) echo "no such program build: $1 (win64 or win32)" >&2; return 1 ;;
  esac
  qw_program_build=$1
}
qw_use_build "${QW_PROGRAM_BUILD:-win64}" || return 1

# The window sizes the program is known by (borderless: window = client).
qw_splash_size="530 400"
qw_main_size="620 440"
qw_main_caption="Halvorn Quellwerk"
# The close button: a 19 x 19 picture at client (510, 8); click its middle.
qw_close_x=519
qw_close_y=17

# qw_checks: the counters of a GUI test and its pass, fail and finish
# (which prints "N passed, N failed" and exits non-zero after a failure).
qw_checks() {
  passed=0
  failed=0
  pass() { passed=$((passed + 1)); echo "PASS: $*"; }
  fail() { failed=$((failed + 1)); echo "FAIL: $*"; }
  finish() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
    exit
  }
}

qw_now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

# qw_lay_out_program_folder DIR [EXE]: the folder as an installation lays it
# out: quellwerk.exe, the tips, the modules that are built and the program's
# data files that exist, all of the build in use. No qw32break.cfg: the
# start-up breakpoint option then takes its default.
qw_lay_out_program_folder() {
  local build=$qw_repo/build/$qw_program_build f
  local dir=$1 exe=${2:-${QW_PROGRAM_EXE:-$build/app/quellwerk.exe}}
  if [ ! -f "$exe" ]; then
    echo "program folder: no program at $exe (build the $qw_program_build target quellwerk first)" >&2
    return 1
  fi
  rm -rf "$dir"
  mkdir -p "$dir"
  cp "$exe" "$dir/quellwerk.exe"
  cp "$qw_repo/res/qw32tt.tip" "$dir/"
  for f in "$build"/modules/*.dll "$build"/modules/*.ocx "$build"/modules/*.exe; do
    [ -f "$f" ] && cp "$f" "$dir/"
  done
  for f in quellwerk.hlp bestellen.pdf; do
    [ -f "$qw_repo/res/$f" ] && cp "$qw_repo/res/$f" "$dir/"
  done
  return 0
}

# qw_start_xvfb WORKDIR: a display of our own; Xvfb picks a free number and
# writes it to fd 3. Sets DISPLAY and qw_xvfb_pid.
qw_xvfb_pid=
qw_start_xvfb() {
  local work=$1 display
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
  qw_xvfb_pid=$!
  for _ in $(seq 1 100); do
    if [ -s "$work/display" ]; then
      display=$(tr -dc '0-9' <"$work/display")
      export DISPLAY=":$display"
      return 0
    fi
    kill -0 "$qw_xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  echo "Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  return 1
}

qw_stop_xvfb() {
  if [ -n "$qw_xvfb_pid" ]; then
    kill "$qw_xvfb_pid" 2>/dev/null || true
    wait "$qw_xvfb_pid" 2>/dev/null || true
    qw_xvfb_pid=
  fi
}

# qw_private_prefix DIR [SOURCE]: a copy of the set-up's prefix (with the
# sample machine; default build/wineprefix, or build/wineprefix32 for the
# product) that a run may change and throw away; it becomes QW_WINEPREFIX
# (QW_WINEPREFIX32). Xvfb runs no window manager, so Wine's windows are made
# unmanaged: a managed window would wait two seconds for a window manager at
# every show and hide.
qw_private_prefix() {
  local dir=$1 source=${2:-$qw_repo/build/$qw_prefix_name}
  [ -f "$source/system.reg" ] || { echo "no Wine prefix in $source (run tools/setup.sh)" >&2; return 1; }
  rm -rf "$dir"
  cp -a "$source" "$dir" || return 1
  export "$qw_prefix_var=$dir"
  "$qw_wine_run" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
}

# The private prefix in use, if any.
qw_current_prefix() { printf '%s' "${!qw_prefix_var:-}"; }

# Ends every Wine process of the private prefix in use.
qw_stop_wine() {
  local prefix
  prefix=$(qw_current_prefix)
  [ -n "$prefix" ] || return 0
  WINEPREFIX=$prefix timeout 30 "$qw_wineserver" -k 2>/dev/null || true
}

# qw_end_run [WORKDIR]: stops the program, its Wine session and the display,
# and removes the run's folder. For the EXIT traps of the scripts.
qw_end_run() {
  if [ -n "$qw_program_pid" ] && kill -0 "$qw_program_pid" 2>/dev/null; then
    kill "$qw_program_pid" 2>/dev/null || true
  fi
  qw_stop_wine
  [ -n "$qw_program_pid" ] && wait "$qw_program_pid" 2>/dev/null
  qw_stop_xvfb
  [ -z "${1:-}" ] || rm -rf "$1"
}

# qw_start_program FOLDER: starts FOLDER/quellwerk.exe under the Wine of the
# build in use, from its folder, in the background. Sets qw_program_pid: the
# Wine process itself (each step execs the next), which Wine also writes as
# _NET_WM_PID.
qw_program_pid=
qw_start_program() {
  local folder=$1
  (cd "$folder" && exec "$qw_wine_run" "$folder/quellwerk.exe") &
  qw_program_pid=$!
}

# qw_windows PID: one line "id width height x y name" per visible window of
# the process.
qw_windows() {
  local id WIDTH HEIGHT X Y name
  for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
    # A window may go between the search and these questions.
    WIDTH='' HEIGHT='' X='' Y=''
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null | grep -E '^(WIDTH|HEIGHT|X|Y)=[0-9-]+$')"
    [ -n "$WIDTH" ] || continue
    name=$(xdotool getwindowname "$id" 2>/dev/null) || continue
    printf '%s %s %s %s %s %s\n' "$id" "$WIDTH" "$HEIGHT" "$X" "$Y" "$name"
  done
}

# The splash: a window of 530 x 400 (its caption is not relied on).
qw_find_splash() {
  qw_windows "$1" | awk -v size="$qw_splash_size" '$2 " " $3 == size { print $1; exit }'
}

# The main window: caption "Halvorn Quellwerk" and 620 x 440.
qw_find_main() {
  qw_windows "$1" | awk -v size="$qw_main_size" -v caption="$qw_main_caption" '
    $2 " " $3 == size { name = $0; for (i = 0; i < 5; i++) sub(/^[^ ]+ /, "", name); if (name == caption) { print $1; exit } }'
}

# qw_poll SECONDS INTERVAL COMMAND...: runs COMMAND until it prints something
# (printed) or the time is up (status 1).
qw_poll() {
  local seconds=$1 interval=$2 deadline out
  shift 2
  deadline=$(( $(qw_now_ms) + seconds * 1000 ))
  while :; do
    out=$("$@")
    if [ -n "$out" ]; then
      printf '%s\n' "$out"
      return 0
    fi
    [ "$(qw_now_ms)" -lt "$deadline" ] || return 1
    sleep "$interval"
  done
}

# qw_wait_exit PID SECONDS: waits for the process to end; its status in
# qw_exit_status. Status 1 when it still runs.
qw_exit_status=
qw_wait_exit() {
  local pid=$1 deadline=$(( $(qw_now_ms) + $2 * 1000 ))
  while kill -0 "$pid" 2>/dev/null; do
    [ "$(qw_now_ms)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
  wait "$pid" 2>/dev/null
  qw_exit_status=$?
  return 0
}

# qw_wait_painted SECONDS: waits until the screen has stopped changing (two
# captures 300 ms apart are equal), so that the first paint and the page blend
# are over. Status 1 when it kept changing.
qw_wait_painted() {
  local deadline=$(( $(qw_now_ms) + $1 * 1000 )) before now
  before=$(xwd -root -silent 2>/dev/null | md5sum)
  while :; do
    sleep 0.3
    now=$(xwd -root -silent 2>/dev/null | md5sum)
    [ "$now" = "$before" ] && return 0
    [ "$(qw_now_ms)" -lt "$deadline" ] || return 1
    before=$now
  done
}

# qw_screenshot WINDOW FILE: a PNG of the window's rectangle on the screen.
qw_screenshot() {
  local id=$1 file=$2 WIDTH HEIGHT X Y
  eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT|X|Y)=[0-9-]+$')"
  mkdir -p "$(dirname "$file")"
  xwd -root -silent | convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "PNG:$file"
}

# qw_click_close WINDOW: clicks the close button of the main window.
qw_click_close() {
  xdotool mousemove --window "$1" "$qw_close_x" "$qw_close_y" click 1
}

# qw_register_modules FOLDER: registers the hosted ActiveX modules of the
# program folder ("qw32perfx.ocx", "qw32reax.ocx"; the other .ocx files are
# stand-ins with only a version) in the prefix in use (the private copy, else
# the set-up's), through regsvr32 of the build's Wine, as the set-up of the
# suite would.
qw_register_modules() {
  local folder=$1 f status=0
  for f in "$folder"/qw32perfx.ocx "$folder"/qw32reax.ocx; do
    [ -f "$f" ] || continue
    "$qw_wine_run" regsvr32 /s "Z:${f//\//\\}" >/dev/null 2>&1 || { echo "regsvr32 failed for $f" >&2; status=1; }
  done
  return "$status"
}
