#!/usr/bin/env bash
# Cold start of vortexcalc to its first mapped window, under a private Xvfb:
# starts the program, polls until its main dialog is visible, notes the time,
# stops it; one warm-up run, then RUNS measured runs (default 11); prints each
# time and the minimum, median and maximum in milliseconds.
#
#   tests/e2e/measure_startup.sh build/app/vortexcalc [RUNS]
#
# The window is polled every 10 ms with `xdotool search --onlyvisible`
# (`--sync` would poll only every half second), so figures carry about 10 ms
# of polling granularity.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/program_and_runs.sh"
source "$(dirname "${BASH_SOURCE[0]}")/virtual_display.sh"
readonly MAIN_TITLE='^Vortex Shedding Calculator,'

now_ns() { date +%s%N; }

# One start: elapsed_ms becomes the time from launch to the visible main dialog.
time_one_start() {
  local started
  started=$(now_ns)
  launch_app
  until window_shown "$MAIN_TITLE"; do
    app_running || fail "vortexcalc ended before showing its window"
    (($(now_ns) - started < E2E_WAIT_SECONDS * 1000000000)) || fail "no window within ${E2E_WAIT_SECONDS}s"
    sleep 0.01
  done
  elapsed_ms=$((($(now_ns) - started) / 1000000))
  stop_app
}

start_display
time_one_start # warm-up: page cache, font cache
times=()
for ((run = 1; run <= runs; run++)); do
  time_one_start
  times+=("$elapsed_ms")
  echo "run $run: $elapsed_ms ms"
done
mapfile -t sorted < <(printf '%s\n' "${times[@]}" | sort -n)
echo "vortexcalc to first mapped window over $runs runs:" \
  "min ${sorted[0]} ms, median ${sorted[$((runs / 2))]} ms, max ${sorted[-1]} ms"
