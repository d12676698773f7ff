#!/usr/bin/env bash
# Builds the Windows programs and tests (scripts/build-windows.sh) and runs
# every Windows test under Wine, in one fresh Wine prefix made for this run
# in a temporary folder (scripts/wine-prefix.sh) and removed after it, on a
# private Xvfb display of its own. The installer's test makes a prefix of its
# own, since installing changes it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build-windows.sh

wineserver=/usr/lib/wine/wineserver
VORTEX_WINE_PREFIX=$(mktemp -d "${TMPDIR:-/tmp}/vortex-wine-XXXXXX")
export VORTEX_WINE_PREFIX
xvfb_pid=""
end_run() {
  WINEPREFIX=$VORTEX_WINE_PREFIX $wineserver -k 2>/dev/null || true
  [[ -z $xvfb_pid ]] || kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$VORTEX_WINE_PREFIX"
}
trap end_run EXIT

# The display, on a number Xvfb picks itself (-displayfd), as the Linux
# end-to-end runs start theirs (tests/e2e/virtual_display.sh); it stays for
# the whole run, so that no reset turns a test's connection away.
display_file=$VORTEX_WINE_PREFIX.display
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  grep -q '^[0-9][0-9]*$' "$display_file" 2>/dev/null && break
  sleep 0.1
done
grep -q '^[0-9][0-9]*$' "$display_file" || { echo "test-windows: Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(head -n 1 "$display_file")"
export DISPLAY
rm -f "$display_file"

# A server that stays for the whole run, so that each test starts in a
# fraction of a second rather than the seconds a new server takes; and the
# prefix made before the tests start, which would otherwise race to make it.
WINEPREFIX=$VORTEX_WINE_PREFIX $wineserver -p
WINEPREFIX=$VORTEX_WINE_PREFIX scripts/wine-prefix.sh

ctest --test-dir "${VORTEX_WINDOWS_BUILD_DIR:-build-windows}" --output-on-failure -j"$(nproc)"
