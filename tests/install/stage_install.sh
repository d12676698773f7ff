#!/usr/bin/env bash
# Installs the build into a fresh scratch DESTDIR under /usr, as the package
# does:  stage_install.sh CMAKE BUILD_DIR STAGE_DIR
set -euo pipefail
cmake=$1 build=$2 stage=$3

rm -rf "$stage"
DESTDIR=$stage "$cmake" --install "$build" --prefix /usr >/dev/null
