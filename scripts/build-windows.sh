#!/usr/bin/env bash
# Installs what is missing (mingw-w64, Wine, NSIS, GoogleTest's sources),
# then cross-compiles VortexCalc for 64-bit Windows into build-windows/ (or
# $VORTEX_WINDOWS_BUILD_DIR): strouhal.exe, the platform library, the test
# programs, the installer and the portable zip. Further arguments go to
# CMake. With CI=true, warnings in our own code are errors.
# With VORTEX_SIGN_PKCS12 (a .pfx/.p12 code-signing certificate and its key),
# VORTEX_SIGN_PASSWORD (its password) and optionally VORTEX_SIGN_TIMESTAMP_URL
# in the environment, the programs in the packages, the installer and its
# uninstaller are signed with osslsigncode (packaging/windows/sign.sh);
# without a certificate nothing is signed, and the script says so.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh windows

build_dir=${VORTEX_WINDOWS_BUILD_DIR:-build-windows}
werror=OFF
[[ "${CI:-}" == "true" ]] && werror=ON

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
  -DVORTEX_BUILD_BENCHMARKS=OFF -DVORTEX_WERROR="$werror" "$@" >/dev/null
# The packages are made afresh each time, so that they are signed or not as
# the environment says now.
rm -f "$build_dir"/*-win64-setup.exe "$build_dir"/*-win64.zip
cmake --build "$build_dir"
if [[ -n ${VORTEX_SIGN_PKCS12:-} ]]; then
  echo "build-windows: the programs in the packages and the installer are signed with $VORTEX_SIGN_PKCS12"
else
  echo "build-windows: not signed: no certificate given (set VORTEX_SIGN_PKCS12 and VORTEX_SIGN_PASSWORD to sign)"
fi
