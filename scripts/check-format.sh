#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the tree differs from what .clang-format makes of it.
# Usage: scripts/check-format.sh [--fix]   (--fix rewrites the files in place)
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/.." && pwd)
cd "$ROOT"
mapfile -t files < <(git ls-files -- 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' 'bench/*.h')
if [[ "${1:-}" == --fix ]]; then
    clang-format -i "${files[@]}"
    exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}" 2>/tmp/vornak-format.$$; then
    grep -E '^[^ ].*: (error|warning):' /tmp/vornak-format.$$ | cut -d: -f1 | sort -u | sed 's/^/not formatted: /'
    rm -f /tmp/vornak-format.$$
    echo "Run scripts/check-format.sh --fix" >&2
    exit 1
fi
rm -f /tmp/vornak-format.$$
echo "Formatting: ${#files[@]} files as .clang-format wants them"
