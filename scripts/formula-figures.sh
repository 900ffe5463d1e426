#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the formula's benchmark on its generated set and the cross-check against glpsol,
# and writes both, with the machine and the date, to docs/formula-figures.md.
# Usage: scripts/formula-figures.sh [SECONDS_PER_GLPSOL_PROBLEM]
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/deps.sh" "${BUILD_PACKAGES[@]}" glpk-utils
cmake -S "$ROOT" -B "$ROOT/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$ROOT/build-bench" -j "$JOBS" --target formula_bench >/dev/null
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$ROOT/build-bench/bench/formula_bench" --dump "$scratch/set.txt" >"$scratch/bench.txt"
python3 "$ROOT/scripts/formula-crosscheck.py" "$scratch/set.txt" "${1:-10}" >"$scratch/cross.txt" \
    2>"$scratch/cross-details.txt"

out="$ROOT/docs/formula-figures.md"
{
    echo "# Formula figures"
    echo
    echo "Written by \`scripts/formula-figures.sh\`, never by hand: run it again to renew them."
    echo
    echo "- Machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores, $(uname -sr)"
    echo "- Date: $(date -u '+%Y-%m-%d %H:%M') UTC; revision $(git -C "$ROOT" rev-parse --short HEAD)"
    echo
    echo "## bench/formula_bench"
    echo
    echo '```'
    cat "$scratch/bench.txt"
    echo '```'
    echo
    echo "## Cross-check against glpsol"
    echo
    echo '```'
    cat "$scratch/cross.txt"
    cat "$scratch/cross-details.txt"
    echo '```'
} >"$out"
echo "Written: $out"
