#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real program on a desktop with a window manager, checked from outside as a user sees
# it: realwindow.sh VORNAK GRABSCREEN WIDTHxHEIGHT RECIPE OUT.png [it|en]
# - the main window, frame included, covers the work area and lies inside it;
# - after Calcola the status bar at its bottom shows the balance and the cost;
# - "Ingredienti e prezzi" lies inside the work area at no less than its smallest size, so
#   its buttons are on screen, and its "Chiudi" answers its access key.
# OUT.png is the screen after Calcola, to look at.
set -euo pipefail
program=$1 grab=$2 size=$3 recipe=$4 out=$5 lang=${6:-it}
editor_title='^Ingredienti e prezzi$'
[[ $lang == en ]] && editor_title='^Ingredients and prices$'
source "$(dirname "$0")/xsession.sh"

fail() {
    echo "FAIL ($size, $lang): $*"
    exit 1
}

start_desktop "$size"
data=$desktop_home/run # removed with the desktop
mkdir "$data"
# The user's own ingredient file stays out of it.
XDG_DATA_HOME=$data XDG_CONFIG_HOME=$data "$program" --lang "$lang" "$recipe" >"$data/log" 2>&1 &
desktop_pids+=($!)
main=$(framed_window '^Vornak Ver') || { cat "$data/log"; fail "the main window did not appear"; }
read -r ax ay aw ah < <(work_area)

read -r x y w h < <(settled_geometry "$main")
echo "work area $ax,$ay ${aw}x$ah; main window with its frame $x,$y ${w}x$h"
inside "$x" "$y" "$w" "$h" "$ax" "$ay" "$aw" "$ah" || fail "the main window reaches beyond the work area"
((w == aw && h == ah)) || fail "the main window does not cover the work area"

# The status bar is the bottom strip of the client area; it is empty until Calcola.
read -r cx cy cw ch < <(xwininfo -id "$main" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
    /^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print x, y, w, h}')
strip=("$((cx + 2))" "$((cy + ch - 16))" "$((cw / 2))" 12)
"$grab" "$data/before.png" "${strip[@]}"
# Focus starts on the first ingredient list; Shift+Tab eight times goes back through the
# eight buttons to Calcola.
xdotool windowactivate --sync "$main"
sleep 0.3
xdotool key --delay 50 shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
sleep 1
"$grab" "$data/after.png" "${strip[@]}"
"$grab" "$out"
cmp -s "$data/before.png" "$data/after.png" && fail "no balance or cost appeared at the bottom of the window after Calcola"
read -r x y w h < <(framed_geometry "$main")
inside "$x" "$y" "$w" "$h" "$ax" "$ay" "$aw" "$ah" || fail "after Calcola the main window reaches beyond the work area"

# Visualizza > Ingredienti e prezzi, the third item of the menu.
xdotool key --delay 100 alt+v Down Down Return
editor=$(framed_window "$editor_title") || fail "the ingredient editor did not open"
read -r x y w h < <(settled_geometry "$editor")
echo "ingredient editor with its frame $x,$y ${w}x$h"
inside "$x" "$y" "$w" "$h" "$ax" "$ay" "$aw" "$ah" || fail "the ingredient editor reaches beyond the work area"
read -r minw minh < <(xprop -id "$editor" WM_NORMAL_HINTS | awk '/minimum size/ {print $5, $7}')
read -r ew eh < <(xwininfo -id "$editor" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w, h}')
((ew >= ${minw:-0} && eh >= ${minh:-0})) || fail "the ingredient editor is smaller (${ew}x$eh) than its contents (${minw}x$minh)"
xdotool key alt+c
for _ in $(seq 30); do
    xdotool search --onlyvisible --name "$editor_title" >/dev/null 2>&1 || break
    sleep 0.1
done
xdotool search --onlyvisible --name "$editor_title" >/dev/null 2>&1 && fail "Alt+C did not close the ingredient editor"
echo "ok ($size, $lang)"
