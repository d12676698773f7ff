#!/usr/bin/env bash
# Runs a Windows program under Wine: scripts/wine-run.sh PROGRAM [ARGUMENTS...]
# It is the Windows build's CMAKE_CROSSCOMPILING_EMULATOR, so CTest runs the
# cross-built tests through it. The Wine prefix is $VORTEX_WINE_PREFIX when
# that is set (scripts/test-windows.sh makes a fresh one for each test run);
# otherwise a fresh one in a temporary folder, set up by wine-prefix.sh for
# this one program and removed after it (that takes some 10 s).
set -euo pipefail

wine=${VORTEX_WINE:-/usr/lib/wine/wine64}
export WINEDEBUG=-all

if [[ -n "${VORTEX_WINE_PREFIX:-}" ]]; then
  export WINEPREFIX=$VORTEX_WINE_PREFIX
  exec "$wine" "$@"
fi

WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/vortex-wine-XXXXXX")
export WINEPREFIX
"$(dirname "$0")/wine-prefix.sh"
status=0
"$wine" "$@" || status=$?
"$(dirname "$wine")/wineserver" -k 2>/dev/null || true
rm -rf "$WINEPREFIX"
exit "$status"
