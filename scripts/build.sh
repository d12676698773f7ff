#!/usr/bin/env bash
# Installs what is missing, then configures and builds VortexCalc into build/
# (or $VORTEX_BUILD_DIR); only the targets in $VORTEX_BUILD_TARGETS when set.
# Further arguments go to CMake. With CI=true, warnings in our own code are
# errors.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

build_dir=${VORTEX_BUILD_DIR:-build}
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON
targets=()
[[ -n "${VORTEX_BUILD_TARGETS:-}" ]] && targets=(--target ${VORTEX_BUILD_TARGETS})

cmake -S . -B "$build_dir" -G Ninja -DVORTEX_WERROR="$werror" "$@" >/dev/null
cmake --build "$build_dir" "${targets[@]}"
