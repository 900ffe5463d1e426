#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Vornak with warnings as errors and runs every test: the plain build, the
# same tests under AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzzers.
set -euo pipefail
source "$(dirname "$0")/common.sh"

# What the build needs, Xvfb with openbox and the X tools for the real-window checks
# (tests/ui/xsession.sh), poppler for the printing test, clang for the fuzzers.
bash "$ROOT/scripts/deps.sh" "${BUILD_PACKAGES[@]}" xvfb xauth x11-utils openbox xdotool poppler-utils clang libclang-rt-14-dev clang-format
bash "$ROOT/scripts/deps.sh" cups printer-driver-cups-pdf # tst_printing's own CUPS server (tests/print/withcups.sh)

run_tests() { # build-dir
    (cd "$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$JOBS")
}

echo "== Formatting"
bash "$ROOT/scripts/check-format.sh"

echo "== Translations: in step with the sources, English complete"
bash "$ROOT/scripts/update-translations.sh" --check

echo "== Build and tests"
cmake -S "$ROOT" -B "$ROOT/build-test" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORNAK_WERROR=ON >/dev/null
cmake --build "$ROOT/build-test" -j "$JOBS"
run_tests "$ROOT/build-test"

echo "== Debian package, checked from outside"
bash "$ROOT/scripts/check-package.sh" "$ROOT/build-test/src/app/vornak-cli"

echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S "$ROOT" -B "$ROOT/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVORNAK_WERROR=ON \
    -DVORNAK_SANITIZE=ON >/dev/null
cmake --build "$ROOT/build-asan" -j "$JOBS"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    run_tests "$ROOT/build-asan"

echo "== Fuzzers"
CC=clang CXX=clang++ cmake -S "$ROOT" -B "$ROOT/build-fuzz" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DVORNAK_FUZZ=ON -DVORNAK_FUZZ_SECONDS="${VORNAK_FUZZ_SECONDS:-60}" >/dev/null
cmake --build "$ROOT/build-fuzz" -j "$JOBS"
run_tests "$ROOT/build-fuzz"
