#!/usr/bin/env bash
# Builds the libFuzzer harnesses into build-fuzz/ (or $VORTEX_FUZZ_BUILD_DIR)
# and runs each one for the given seconds (default 15: a minute for all four),
# starting from its seeds in fuzz/corpus/. Further arguments go to every
# harness as libFuzzer options (-runs=N, -jobs=N, ...).
# Any finding (a sanitizer report, a broken invariant, a leak, a hang) fails
# the run; the input that caused it is kept in <build>/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-15}
shift $(( $# > 0 ? 1 : 0 ))
build_dir=${VORTEX_FUZZ_BUILD_DIR:-build-fuzz}
harnesses=(fuzz_number_path fuzz_mime_apps fuzz_desktop_entry fuzz_command_words)

VORTEX_BUILD_DIR="$build_dir" VORTEX_BUILD_TARGETS="${harnesses[*]}" scripts/build.sh \
  -DCMAKE_CXX_COMPILER=clang++ -DVORTEX_BUILD_FUZZERS=ON -DVORTEX_BUILD_TESTS=OFF -DVORTEX_BUILD_BENCHMARKS=OFF >/dev/null

for harness in "${harnesses[@]}"; do
  # New inputs go to the build folder's corpus; the seeds stay as they are.
  corpus=$build_dir/corpus/$harness
  findings=$build_dir/findings
  log=$build_dir/$harness.log
  mkdir -p "$corpus" "$findings"
  options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1
           -artifact_prefix="$findings/$harness-")
  [[ -f fuzz/dict/$harness.dict ]] && options+=(-dict="fuzz/dict/$harness.dict")

  if ! "$build_dir/fuzz/$harness" "${options[@]}" "$@" "$corpus" "fuzz/corpus/$harness" >"$log" 2>&1; then
    tail -n 40 "$log" >&2
    echo "run-fuzzers: $harness found a fault; its input is in $findings/, the log in $log" >&2
    exit 1
  fi
  executions=$(grep -o 'number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' | tail -n 1)
  printf 'run-fuzzers: %-20s %12s executions\n' "$harness" "$executions"
done
