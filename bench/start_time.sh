#!/usr/bin/env bash
# The program's own start cost under Wine: the time from starting
# quellwerk.exe to its main window being visible, less the four fixed start
# delays (1200 + 1300 + 1200 + 800 = 4500 ms). Target: under 300 ms.
# A benchmark, not a test: it reports figures; it fails only when the program
# does not start.
#
# Usage: bench/start_time.sh [RUNS]     (default 5, after one warm-up start)
#
# It runs on its own Xvfb, with its own copy of the prefix and its own program
# folder (as run.sh lays it out). The wineserver of that prefix stays up
# between the starts, so the figures leave out the start of Wine's server and
# services. Two figures:
#   program: with QW_START_TRACE naming a file, the program appends
#            "main window shown after N ms, ..." to it, N counted from its
#            entry; reported when the program writes it;
#   display: polling the display every 20 ms for the visible main window,
#            counted from the start of the Wine process. This one also holds
#            Wine's loading of the process and its DLLs and up to one poll.
# Environment: QW_PROGRAM_EXE (default build/win64/app/quellwerk.exe).
set -uo pipefail

qw_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# shellcheck source=tests/gui/lib.sh
. "$qw_repo/tests/gui/lib.sh"
runs=${1:-5}
fixed_ms=4500
timeout_s=60
work=$(mktemp -d "${TMPDIR:-/tmp}/quellwerk-bench.XXXXXX")
folder=$work/program
trace=$work/start_trace.txt

trap 'qw_end_run "$work"' EXIT
trap 'exit 130' INT TERM

die() { echo "start_time: $*" >&2; exit 1; }

# The main window by its caption, then its size: one xdotool call per poll
# while nothing is there.
main_window() {
  local id
  for id in $(xdotool search --onlyvisible --name "^$qw_main_caption\$" 2>/dev/null); do
    xdotool getwindowgeometry --shell "$id" 2>/dev/null | tr '\n' ' ' \
      | grep -q "WIDTH=${qw_main_size% *} HEIGHT=${qw_main_size#* }" && { echo "$id"; return; }
  done
}

# The last figure the program wrote, or nothing.
traced_ms() {
  [ -f "$trace" ] || return 0
  tr -d '\r' <"$trace" | sed -n 's/.*main window shown after \([0-9]\+\) ms.*/\1/p' | tail -n1
}

trace_grew() {
  [ -f "$trace" ] && [ "$(wc -l <"$trace")" -gt "$trace_lines" ] && echo yes
}

# start_once: one start and an orderly end; sets display_ms and program_ms
# ("-" when the program wrote no figure).
display_ms=
program_ms=
trace_lines=0
start_once() {
  local t0 id
  trace_lines=$( [ -f "$trace" ] && wc -l <"$trace" || echo 0)
  program_ms=-
  t0=$(qw_now_ms)
  qw_start_program "$folder" >>"$work/program.log" 2>&1
  id=$(qw_poll "$timeout_s" 0.02 main_window) || die "no main window within $timeout_s s"
  display_ms=$(( $(qw_now_ms) - t0 ))
  # The program writes its figure right after the window shows.
  if qw_poll 2 0.05 trace_grew >/dev/null; then
    program_ms=$(traced_ms)
  fi
  qw_click_close "$id"
  if qw_wait_exit "$qw_program_pid" 20; then
    qw_program_pid=
  else
    echo "start_time: the program did not end through its close button; stopping it" >&2
    kill "$qw_program_pid" 2>/dev/null
    wait "$qw_program_pid" 2>/dev/null
    qw_program_pid=
  fi
}

# "display N ms, program N ms" for one start.
describe() {
  echo "display $((display_ms - fixed_ms)) ms$([ "$program_ms" != - ] && echo ", program $((program_ms - fixed_ms)) ms")"
}

# min, median and max of the numbers on stdin.
stats() {
  sort -n | awk '{ v[NR] = $1 } END {
    if (NR == 0) { print "-"; exit }
    m = (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2)
    printf "min %d, median %d, max %d ms", v[1], m, v[NR] }'
}

qw_start_xvfb "$work" || die "Xvfb did not start"
qw_private_prefix "$work/prefix" || die "no copy of the Wine prefix"
qw_lay_out_program_folder "$folder" || die "no program folder"
# Keep the prefix's wineserver and services up for the whole run.
WINEPREFIX=$QW_WINEPREFIX "$qw_wineserver" -w
WINEPREFIX=$QW_WINEPREFIX "$qw_wineserver" -p
export QW_START_TRACE="Z:${trace//\//\\}"

echo "start_time: $runs starts after one warm-up, on Xvfb $DISPLAY (fixed delays $fixed_ms ms subtracted)"
start_once
echo "  warm-up: $(describe)"
display_costs=()
program_costs=()
for i in $(seq 1 "$runs"); do
  start_once
  display_costs+=($((display_ms - fixed_ms)))
  [ "$program_ms" != - ] && program_costs+=($((program_ms - fixed_ms)))
  echo "  start $i: $(describe)"
done

echo "start_time: display: $(printf '%s\n' "${display_costs[@]}" | stats) (from the Wine process start)"
if [ ${#program_costs[@]} -gt 0 ]; then
  echo "start_time: program: $(printf '%s\n' "${program_costs[@]}" | stats) (its own figure; target < 300 ms)"
else
  echo "start_time: program: no figure (the program writes none for QW_START_TRACE); the display figure stands for it (target < 300 ms)"
fi
