#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the pictures of docs/ again with the screenshot tests (the real program under Xvfb
# with openbox) and copies them there: the filled mix of the README whole, the balance
# window cropped to the lower half of the screen, where it opens.
# Usage: scripts/docs-pictures.sh   (after a build in build-test, as scripts/test.sh makes)
set -euo pipefail
source "$(dirname "$0")/common.sh"

bash "$ROOT/scripts/deps.sh" imagemagick
build=$ROOT/build-test/tests/ui
(cd "$ROOT/build-test" && ctest --output-on-failure -R '^(filled_mix|balance|main_window)_screenshot$')
cp "$build/filled-mix.png" "$ROOT/docs/filled-mix.png"
cp "$build/main-window.png" "$ROOT/docs/main-window.png"
convert "$build/balance.png" -gravity south -crop 1280x680+0+0 +repage "$ROOT/docs/balance.png"
echo "docs/filled-mix.png, docs/main-window.png and docs/balance.png taken again"
