#!/usr/bin/env bash
# Builds the benchmark in release mode and runs it (offscreen unless QT_QPA_PLATFORM is set).
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/deps.sh" "${BUILD_PACKAGES[@]}"
cmake -S "$ROOT" -B "$ROOT/build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$ROOT/build" -j "$JOBS" --target vornak_bench formula_bench
"$ROOT/build/bench/formula_bench"
exec "$ROOT/build/bench/vornak_bench"
