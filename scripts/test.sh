#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
ctest --test-dir "${VORTEX_BUILD_DIR:-build}" --output-on-failure -j"$(nproc)"

# The same suite under AddressSanitizer and UndefinedBehaviorSanitizer, then
# a minute of fuzzing.
scripts/test-sanitizers.sh
fuzz/run-fuzzers.sh
