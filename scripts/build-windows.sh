#!/usr/bin/env bash
# Installs what is missing (mingw-w64, Wine, NSIS, GoogleTest's sources),
# then cross-compiles VortexCalc for 64-bit Windows into build-windows/ (or
# $VORTEX_WINDOWS_BUILD_DIR): strouhal.exe, the platform library, the test
# programs, the installer and the portable zip. Further arguments go to
# CMake. With CI=true, warnings in our own code are errors.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh windows

build_dir=${VORTEX_WINDOWS_BUILD_DIR:-build-windows}
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DVORTEX_BUILD_BENCHMARKS=OFF -DVORTEX_WERROR="$werror" "$@" >/dev/null
cmake --build "$build_dir"
