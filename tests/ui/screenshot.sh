#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real program on a 1280 x 1024 desktop with a window manager, waits for its
# window and saves a screenshot of the screen: screenshot.sh VORNAK GRABSCREEN OUT.png [ARG...]
# (ARG... are handed to the program).
set -euo pipefail
program=$1 grab=$2 out=$3
shift 3
source "$(dirname "$0")/xsession.sh"

start_desktop 1280x1024
applog=$desktop_home/app.log # removed with the desktop
"$program" "$@" >"$applog" 2>&1 &
app=$!
desktop_pids+=($app)
for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Vornak Ver. ' && break # the title carries the version
    kill -0 "$app" 2>/dev/null || { echo "the program ended before showing its window:"; cat "$applog"; exit 1; }
    sleep 0.1
done
framed_window '^Vornak Ver' >/dev/null || { echo "no window appeared"; cat "$applog"; exit 1; }
sleep 1 # let the first paint settle
"$grab" "$out"
size=$(stat -c %s "$out")
echo "screenshot $out ($size bytes)"
[[ $size -gt 10000 ]]
