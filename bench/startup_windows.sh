#!/usr/bin/env bash
# Start-up of the Windows program under Wine beside the Linux program, taking
# turns in one session under a private Xvfb: bench/startup_vs_speedcrunch.sh
# with vortexcalc.exe as the program compared.
#
#   bench/startup_windows.sh PATH/TO/vortexcalc PATH/TO/vortexcalc.exe [RUNS]
#
# Each figure runs from just before the program is forked (for the Windows
# program, Wine's loader, which becomes its process) to its main dialog
# mapped and painted; the peak memory is that process's (VmHWM), without
# Wine's server. RUNS (default 9) measured starts of each follow one warm-up
# start of each.
#
# Warm Wine, the fair comparison with a desktop where Wine already runs: the
# Wine prefix (scripts/wine-prefix.sh, in a temporary folder) is made by the
# Windows program's warm-up start, and its wineserver, started then, stays
# for the whole measurement with the prefix's services; every measured start
# finds them running. A cold start (a new server, the services started
# anew) takes seconds more and is not measured here.
set -euo pipefail
if [[ $# -lt 2 || $# -gt 3 ]]; then
  echo "usage: $0 PATH/TO/vortexcalc PATH/TO/vortexcalc.exe [RUNS]" >&2
  exit 2
fi
linux_program=$(realpath "$1")
windows_program=$(realpath "$2")
runs=${3:-9}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

scratch=$(mktemp -d "${TMPDIR:-/tmp}/vortex-startup-XXXXXX")
prefix=$scratch/prefix
mkdir "$prefix"
trap 'WINEPREFIX=$prefix $wineserver -k 2>/dev/null || true; rm -rf "$scratch"' EXIT

# The command the measurement starts, in the clean environment it gives:
# the prefix is made on the display the measurement runs, at the first
# start, whose time is the warm-up's and is not counted.
start=$scratch/vortexcalc.exe
cat >"$start" <<EOF
#!/bin/sh
export WINEPREFIX='$prefix' WINEDEBUG=-all
if [ ! -e '$prefix/system.reg' ]; then
  '$wineserver' -p
  '$root/scripts/wine-prefix.sh' >/dev/null 2>&1
fi
exec '$wine' '$windows_program'
EOF
chmod +x "$start"

echo "Wine $("$wine" --version 2>/dev/null || echo '?'), warm (one wineserver for the whole measurement)"
SPEEDCRUNCH=$start BENCH_OTHER_NAME=vortexcalc.exe E2E_WAIT_SECONDS=${E2E_WAIT_SECONDS:-60} \
  "$root/bench/startup_vs_speedcrunch.sh" "$linux_program" "$runs"
