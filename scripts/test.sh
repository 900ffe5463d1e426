#!/usr/bin/env bash
# Builds Vornak with warnings as errors and runs every test.
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/deps.sh" "${BUILD_PACKAGES[@]}" xvfb xauth x11-utils poppler-utils

build="$ROOT/build-test"
cmake -S "$ROOT" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORNAK_WERROR=ON >/dev/null
cmake --build "$build" -j "$JOBS"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS"
