#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The recipe archive on a folder of sample recipes, on a 1680 x 1050 desktop with a
# window manager: archive_screenshot.sh ARCHIVEDEMO GRABSCREEN OUT.png list|compare
set -euo pipefail
demo=$1 grab=$2 out=$3 mode=$4
source "$(dirname "$0")/xsession.sh"

start_desktop 1680x1050
folder=$desktop_home/ricette # removed with the desktop
applog=$desktop_home/app.log
"$demo" "$folder" "$mode" >"$applog" 2>&1 &
desktop_pids+=($!)
title='^Archivio ricette$'
[[ $mode == compare ]] && title='^Confronto di ricette$'
framed_window "$title" >/dev/null || { echo "no window \"$title\" appeared"; cat "$applog"; exit 1; }
sleep 1 # let the first paint settle
"$grab" "$out"
size=$(stat -c %s "$out")
echo "screenshot $out ($size bytes)"
[[ $size -gt 10000 ]]
