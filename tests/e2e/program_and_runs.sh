# Sourced by the start-up measurements: reads their two arguments,
# PATH/TO/vortexcalc and an optional count of measured runs (default 11),
# into VORTEXCALC and runs, or stops the script with its usage.
if [[ $# -lt 1 || $# -gt 2 ]]; then
  echo "usage: $0 PATH/TO/vortexcalc [RUNS]" >&2
  exit 2
fi
VORTEXCALC=$(realpath "$1")
runs=${2:-11}
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "RUNS must be a positive number" >&2; exit 2; }
