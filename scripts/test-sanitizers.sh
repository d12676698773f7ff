#!/usr/bin/env bash
# Builds VortexCalc with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan/ (or $VORTEX_ASAN_BUILD_DIR) and runs the whole test suite there.
# Our own code is instrumented; Qt and GoogleTest come from Debian as they are.
# Any sanitizer report fails the test that caused it.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${VORTEX_ASAN_BUILD_DIR:-build-asan}

VORTEX_BUILD_DIR="$build_dir" scripts/build.sh -DVORTEX_SANITIZE=ON -DVORTEX_BUILD_BENCHMARKS=OFF

# Leaks inside the libraries under Qt (libdbus, say) are not ours: the
# suppressions name them one by one. Child processes (strouhal, vortexcalc)
# inherit these settings.
export ASAN_OPTIONS="detect_leaks=1:check_initialization_order=1:strict_init_order=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"

ctest --test-dir "$build_dir" --output-on-failure -j"$(nproc)"
