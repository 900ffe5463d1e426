#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the pictures of docs/ again with the screenshot tests (the real program under Xvfb
# with openbox) and copies them there: the filled mix of the README whole, the balance
# window cropped to the lower half of the screen, where it opens; the archive and a comparison
# whole. Offscreen: the worksheet under a dark palette, a formula's proposal and the editor of
# ingredients and prices, as their tests leave them.
# Usage: scripts/docs-pictures.sh   (after a build in build-test, as scripts/test.sh makes)
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/deps.sh" imagemagick
build=$ROOT/build-test/tests/ui
(cd "$ROOT/build-test" && ctest --output-on-failure -R '^((filled_mix|balance|main_window|archive_list|archive_compare)_screenshot|main_window_screenshot_en|tst_contrast|tst_frmformula|tst_frmingredienti)$')
cp "$build/filled-mix.png" "$ROOT/docs/filled-mix.png"
cp "$build/main-window.png" "$ROOT/docs/main-window.png"
cp "$build/main-window-en.png" "$ROOT/docs/main-window-en.png"
convert "$build/balance.png" -gravity south -crop 1280x680+0+0 +repage "$ROOT/docs/balance.png"
# The worksheet under a dark palette, as tst_contrast leaves it (offscreen).
cp "$build/mainwindow/worksheet-dark.png" "$ROOT/docs/worksheet-dark.png"
cp "$build/archive-list.png" "$ROOT/docs/archive.png"
cp "$build/archive-compare.png" "$ROOT/docs/comparison.png"
cp "$build/formula/formula.png" "$ROOT/docs/formula.png"
cp "$build/windows/ingredienti-e-prezzi.png" "$ROOT/docs/ingredienti-e-prezzi.png"
echo "docs/filled-mix.png, main-window.png, main-window-en.png, balance.png, worksheet-dark.png, archive.png,"
echo "comparison.png, formula.png and ingredienti-e-prezzi.png taken again"
