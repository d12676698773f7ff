#!/usr/bin/env bash
# Times strouhal's batch modes on generated rows.
# Usage: bench/csv_throughput.sh [STROUHAL_BINARY] [ROWS] [KEEP_DIR]
#   defaults: build/cli/strouhal and 1000000 rows. With KEEP_DIR, the inputs
#   and outputs are kept there (to compare two builds' outputs with cmp).
set -euo pipefail
cd "$(dirname "$0")/.."

strouhal=${1:-build/cli/strouhal}
rows=${2:-1000000}
[[ -x "$strouhal" ]] || { echo "csv_throughput: no executable at $strouhal; build first" >&2; exit 1; }

if [[ -n "${3:-}" ]]; then
  work=$3
  mkdir -p "$work"
else
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi

# Plausible St, f and V values, with one invalid row in a thousand.
awk -v rows="$rows" 'BEGIN {
  srand(1)
  for (i = 0; i < rows; i++) {
    if (i % 1000 == 999) { print "0.2,-1,5"; continue }
    printf "%.4g,%.5g,%.4g\n", 0.1 + rand() * 0.2, 1 + rand() * 100, 0.5 + rand() * 20
  }
}' > "$work/solve.csv"
awk -v rows="$rows" 'BEGIN { srand(2); for (i = 0; i < rows; i++) printf "%.6g\n", 10 ^ (1 + rand() * 7) }' \
  > "$work/correlate.csv"
# Cylinders in water: V, D and fn over a few decades, so that every interval
# of the correlation and every verdict occurs; one invalid row in a thousand.
awk -v rows="$rows" 'BEGIN {
  srand(3)
  for (i = 0; i < rows; i++) {
    if (i % 1000 == 999) { print "1,0,2"; continue }
    printf "%.4g,%.4g,%.4g\n", 10 ^ (-3 + rand() * 4), 10 ^ (-3 + rand() * 3), 10 ^ (-1 + rand() * 3)
  }
}' > "$work/screen.csv"

TIMEFORMAT='  %R s elapsed, %U s user, %S s system'
echo "strouhal solve d --csv, $rows rows ($(du -h "$work/solve.csv" | cut -f1) in):"
{ time "$strouhal" solve d --csv < "$work/solve.csv" > "$work/solve.out"; } 2>&1
echo "strouhal correlate --csv, $rows rows ($(du -h "$work/correlate.csv" | cut -f1) in):"
{ time "$strouhal" correlate --csv < "$work/correlate.csv" > "$work/correlate.out"; } 2>&1
echo "strouhal screen --fluid water --temperature 15 --csv, $rows rows ($(du -h "$work/screen.csv" | cut -f1) in):"
{ time "$strouhal" screen --fluid water --temperature 15 --csv < "$work/screen.csv" > "$work/screen.out"; } 2>&1

# A timing of wrong output would mean nothing.
[[ $(wc -l < "$work/solve.out") -eq $rows && $(wc -l < "$work/correlate.out") -eq $rows &&
   $(wc -l < "$work/screen.out") -eq $((rows + 1)) ]] ||
  { echo "csv_throughput: output row count differs from input" >&2; exit 1; }
