#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
ctest --test-dir "${VORTEX_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer, then
# a minute of fuzzing; then the Windows build and its tests under Wine.
scripts/test-sanitizers.sh
fuzz/run-fuzzers.sh
scripts/test-windows.sh
