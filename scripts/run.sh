#!/usr/bin/env bash
# Installs what is missing, builds, and starts VortexCalc.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/build.sh
build/cli/strouhal solve d 0.2 10 5
