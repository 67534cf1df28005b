#!/usr/bin/env bash
# The system information page's cost:
#   1. one page refresh and one process tick under Wine (bench_sysinfo.exe of
#      the win64 build) and natively on the fake platform;
#   2. memory over 10,000 refreshes of the native page under valgrind
#      (no leak, no error);
#   3. the program's CPU share while the page is shown for 60 s under Wine
#      (QW_PROGRAM_BUILD: win64, or win32 for the product), from the
#      program's and the wineserver's user and system times.
# Usage: bench/sysinfo.sh [SECONDS] (default 60); QW_SKIP_VALGRIND=1 skips 2.
set -uo pipefail

qw_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$qw_repo" || exit 1
seconds=${1:-60}

echo "== refresh and process tick, native (fake platform)"
build/native/bench/bench_sysinfo 200
echo "== refresh and process tick, win64 under Wine"
cmake/wine-run.sh build/win64/bench/bench_sysinfo.exe 200 2>/dev/null

if [ -z "${QW_SKIP_VALGRIND:-}" ]; then
  echo "== 10000 refreshes of the native page under valgrind"
  valgrind --leak-check=full --error-exitcode=3 build/native/bench/bench_sysinfo 10000 2>&1 |
    grep -E "page refresh|in use at exit|total heap usage|definitely lost|ERROR SUMMARY"
fi

# shellcheck source=tests/gui/lib.sh
. "$qw_repo/tests/gui/lib.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/quellwerk-bench.XXXXXX")
trap 'qw_end_run "$work"' EXIT
trap 'exit 130' INT TERM
cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0; }

echo "== CPU share with the page shown for $seconds s under Wine ($QW_PROGRAM_BUILD)"
qw_start_xvfb "$work" || { echo "Xvfb did not start"; exit 1; }
qw_private_prefix "$work/prefix" || { echo "no copy of the Wine prefix"; exit 1; }
qw_lay_out_program_folder "$work/program" || { echo "no program folder"; exit 1; }
qw_start_program "$work/program" >"$work/program.log" 2>&1
main_id=$(qw_poll 60 0.1 qw_find_main "$qw_program_pid") || { echo "no main window"; exit 1; }
qw_wait_painted 20 || true
xdotool mousemove --window "$main_id" 529 $((146 + 33 * 2)) click 1
sleep 3
server=$(pgrep -n -x wineserver || true)
hz=$(getconf CLK_TCK)
p0=$(cpu_ticks "$qw_program_pid"); s0=$( [ -n "$server" ] && cpu_ticks "$server" || echo 0)
sleep "$seconds"
p1=$(cpu_ticks "$qw_program_pid"); s1=$( [ -n "$server" ] && cpu_ticks "$server" || echo 0)
awk -v p=$((p1 - p0)) -v s=$((s1 - s0)) -v hz="$hz" -v t="$seconds" 'BEGIN {
  printf "program: %.2f s of CPU in %d s = %.2f %% of one core; wineserver: %.2f %%\n",
    p / hz, t, 100 * p / hz / t, 100 * s / hz / t }'
qw_click_close "$main_id"
qw_wait_exit "$qw_program_pid" 30 && qw_program_pid=
