#!/usr/bin/env bash
# Installs what is missing, builds, and starts VortexCalc on this desktop.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh

if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  cat >&2 <<'MSG'
run: no display to show VortexCalc on (neither DISPLAY nor WAYLAND_DISPLAY is set).
  Run this from a terminal in your desktop session, or, on a machine without
  one, give it a virtual display:   xvfb-run -a scripts/run.sh
  The command-line calculator needs no display:   build/cli/strouhal --help
MSG
  exit 1
fi
exec "${VORTEX_BUILD_DIR:-build}/app/vortexcalc"
