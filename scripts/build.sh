#!/usr/bin/env bash
# Configures and builds VortexCalc into build/ (or $VORTEX_BUILD_DIR).
# With CI=true, warnings in our own code are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${VORTEX_BUILD_DIR:-build}
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON

cmake -S . -B "$build_dir" -G Ninja -DVORTEX_WERROR="$werror" "$@" >/dev/null
cmake --build "$build_dir"
