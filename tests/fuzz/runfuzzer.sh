#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# runfuzzer.sh FUZZER SEEDS SECONDS: runs a fuzzer on a scratch copy of its seeds.
set -euo pipefail
fuzzer=$1 seeds=$2 seconds=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp "$seeds"/* "$work/corpus/"
cd "$work"
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1 corpus 2>&1 | tail -n 25
