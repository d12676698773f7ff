#!/usr/bin/env bash
# Builds the Windows programs and tests (scripts/build-windows.sh) and runs
# every Windows test under Wine, in one fresh Wine prefix made for this run
# in a temporary folder and removed after it. The installer's test makes a
# prefix of its own, since installing changes it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build-windows.sh

wineserver=/usr/lib/wine/wineserver
VORTEX_WINE_PREFIX=$(mktemp -d "${TMPDIR:-/tmp}/vortex-wine-XXXXXX")
export VORTEX_WINE_PREFIX
trap 'WINEPREFIX=$VORTEX_WINE_PREFIX $wineserver -k 2>/dev/null || true; rm -rf "$VORTEX_WINE_PREFIX"' EXIT
# A server that stays for the whole run, so that each test starts in a
# fraction of a second rather than the seconds a new server takes; and the
# prefix made before the tests start, which would otherwise race to make it.
WINEPREFIX=$VORTEX_WINE_PREFIX $wineserver -p
scripts/wine-run.sh wineboot --init

ctest --test-dir "${VORTEX_WINDOWS_BUILD_DIR:-build-windows}" --output-on-failure -j"$(nproc)"
