#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in release mode and runs them (offscreen unless QT_QPA_PLATFORM is set).
# With a git revision BASE, BASE is built beside the working tree (in a scratch work tree)
# and both run in turns, ROUNDS times each (default 3), so a change that costs speed shows
# side by side before it lands: every figure of both, as the median of the rounds, and
# their ratio.
# Usage: scripts/bench.sh [BASE [ROUNDS]]
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/deps.sh" "${BUILD_PACKAGES[@]}"
# The window and file figures, and the formula's and the hostile sheets' where the revision has them.
build_bench() { # source-dir build-dir
    cmake -S "$1" -B "$2" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$2" -j "$JOBS" --target vornak_bench >/dev/null
    cmake --build "$2" -j "$JOBS" --target formula_bench >/dev/null 2>&1 || true
    cmake --build "$2" -j "$JOBS" --target sheet_bench >/dev/null 2>&1 || true
}
run_bench() { # build-dir
    "$1/bench/vornak_bench"
    [[ ! -x "$1/bench/formula_bench" ]] || "$1/bench/formula_bench"
    [[ ! -x "$1/bench/sheet_bench" ]] || "$1/bench/sheet_bench"
}
build_bench "$ROOT" "$ROOT/build-bench"
if [[ $# -eq 0 ]]; then
    run_bench "$ROOT/build-bench"
    exit
fi

base=$1 rounds=${2:-3}
scratch=$(mktemp -d)
cleanup() {
    git -C "$ROOT" worktree remove --force "$scratch/base" 2>/dev/null || true
    rm -rf "$scratch"
}
trap cleanup EXIT
git -C "$ROOT" worktree add --detach "$scratch/base" "$base" >/dev/null 2>&1
echo "Building $base ($(git -C "$ROOT" rev-parse --short "$base")) beside the working tree..."
build_bench "$scratch/base" "$scratch/base/build"

for round in $(seq "$rounds"); do
    run_bench "$scratch/base/build" >"$scratch/base.$round"
    run_bench "$ROOT/build-bench" >"$scratch/now.$round"
done

# Each figure is a line "what: N ms ..."; its median over the rounds, then the two side by side.
medians() { # prefix
    cat "$scratch/$1".* | awk -F': ' '/ ms/ {
        split($NF, v, " "); name = $1; sub(/ +$/, "", name)
        values[name] = values[name] " " v[1]; if (!(name in seen)) { seen[name] = 1; order[++n] = name } }
        END { for (i = 1; i <= n; i++) {
            k = split(values[order[i]], x, " ")
            for (a = 2; a <= k; a++) for (b = a; b > 1 && x[b - 1] + 0 > x[b] + 0; b--) {
                t = x[b]; x[b] = x[b - 1]; x[b - 1] = t }
            printf "%s\t%s\n", order[i], x[int((k + 1) / 2)] } }'
}
medians base >"$scratch/base.tsv"
medians now >"$scratch/now.tsv"
echo "Medians of $rounds rounds each, $(nproc) cores, $(date +%F):"
printf '%-45s %12s %12s %8s\n' "figure" "$base" "working tree" "ratio"
awk -F'\t' 'NR == FNR { base[$1] = $2; next }
    { b = ($1 in base) ? base[$1] : ""
      printf "%-45s %12s %12s %8s\n", $1, b, $2, (b != "" && b > 0) ? sprintf("%.2f", $2 / b) : "-" }' \
    "$scratch/base.tsv" "$scratch/now.tsv"
