#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every window of the real program on one screen, checked from outside as a user sees it:
# windowmatrix.sh VORNAK PANEL GRABSCREEN WIDTHxHEIGHT:SCALE DATA-DIR OUT-PREFIX
# A stand-in panel reserves the bottom 40 pixels (_NET_WM_STRUT) and Vornak runs with
# QT_SCALE_FACTOR=SCALE on a full recipe with long names. The main window, the balance,
# formula, converter, References, About and ingredient windows, a warning, the file dialog, the
# recipe library and a comparison of three recipes with long names
# each open from the keyboard and must lie, frame included, inside the work area, no smaller than their
# contents ask. The formula window must not be kept above the worksheet. OUT-PREFIX-*.png are
# the screen after Calcola, with the formula window, the converter and the comparison, to look at.
set -euo pipefail
program=$1 panel=$2 grab=$3 screen=$4 data=$5 out=$6
size=${screen%%:*} scale=${screen##*:}
slack=0
[[ $scale == *.* ]] && slack=1
source "$(dirname "$0")/xsession.sh"

fail() {
    echo "FAIL ($screen): $*" >&2
    [[ -f "${home:-}/log" ]] && cat "$home/log" >&2
    exit 1
}

start_panel() {
    "$panel" 40 >/dev/null 2>&1 &
    desktop_pids+=($!)
    local id= w h
    for _ in $(seq 100); do
        id=$(xdotool search --name '^standin-panel$' 2>/dev/null | head -n 1) && [[ -n "$id" ]] && break
        sleep 0.1
    done
    [[ -n "$id" ]] || fail "the stand-in panel did not appear"
    read -r w h < <(xwininfo -root | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w, h}')
    xprop -id "$id" -f _NET_WM_STRUT 32c -set _NET_WM_STRUT "0, 0, 0, 40"
    xprop -id "$id" -f _NET_WM_STRUT_PARTIAL 32c \
        -set _NET_WM_STRUT_PARTIAL "0, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, $((w - 1))"
    for _ in $(seq 50); do
        read -r _ _ _ ah < <(work_area)
        ((ah == h - 40)) && return 0
        sleep 0.1
    done
    fail "the work area does not leave out the panel: $(work_area)"
}

# Checks the window whose title matches: framed inside the work area and no smaller than
# its minimum size. Prints its id.
check_window() { # TITLE-PATTERN WHAT
    local id x y w h minw minh cw ch
    id=$(framed_window "$1") || fail "$2 did not open"
    read -r x y w h < <(settled_geometry "$id")
    echo "$2: ${w}x$h at $x,$y" >&2
    inside "$x" "$y" "$w" "$h" "$ax" "$ay" "$aw" "$ah" ||
        fail "$2 (${w}x$h at $x,$y) reaches beyond the work area ($aw x $ah at $ax,$ay)"
    read -r minw minh < <(xprop -id "$id" WM_NORMAL_HINTS | awk '/minimum size/ {print $5, $7}')
    read -r cw ch < <(xwininfo -id "$id" | awk '/^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print w, h}')
    # At scale 1.5 Qt rounds the smallest size up to whole pixels and the size itself to the
    # nearest: one pixel apart is the same size.
    ((cw + slack >= ${minw:-0} && ch + slack >= ${minh:-0})) ||
        fail "$2 is smaller (${cw}x$ch) than its contents (${minw}x$minh)"
    echo "$id"
}

gone() { # TITLE-PATTERN WHAT
    for _ in $(seq 50); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    fail "$2 did not close"
}

keys() {
    xdotool key --delay 80 "$@"
    sleep 0.3
}

start_desktop "$size"
start_panel
read -r ax ay aw ah < <(work_area)
echo "screen $size at scale $scale: work area ${aw}x$ah at $ax,$ay"
home=$desktop_home/run # removed with the desktop
mkdir "$home"
# The recipe in a folder of its own with two others, for the library and a comparison
# of three, its long names included.
recipes=$home/ricette
mkdir "$recipes"
cp "$data/ricetta_piena.txt" "$data/ricetta_uova.txt" "$data/ricetta_sbilanciata.txt" "$recipes/"
XDG_DATA_HOME=$home XDG_CONFIG_HOME=$home QT_SCALE_FACTOR=$scale "$program" \
    --ingredients "$data/ingredienti_nome_lungo.csv" "$recipes/ricetta_piena.txt" >"$home/log" 2>&1 &
desktop_pids+=($!)
main=$(check_window '^Vornak Ver' "the main window") || { cat "$home/log"; exit 1; }
xdotool windowactivate --sync "$main"
sleep 0.3
# Focus starts on the first ingredient list; Shift+Tab eight times goes back to Calcola.
keys shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab space
sleep 0.5
"$grab" "$out-main.png"

# Visualizza: Riferimenti, Convertitore, Ingredienti e prezzi, Formula del mix…, Bilancio del mix.
keys alt+v Down Down Down Down Return
check_window '^Bilancio del mix$' "the balance window" >/dev/null
keys Escape
gone '^Bilancio del mix$' "the balance window"

xdotool windowactivate --sync "$main"
keys alt+v Down Down Down Return
formula=$(check_window '^Formula del mix$' "the formula window")
xprop -id "$formula" WM_TRANSIENT_FOR | grep -q 'window id' && fail "the formula window is kept above the worksheet"
# Alt+F: the cheapest mix needs prices the recipe lacks, and the message names them.
keys alt+f
sleep 0.5
"$grab" "$out-formula.png"
check_window '^Formula del mix$' "the formula window with its message" >/dev/null
keys alt+c
gone '^Formula del mix$' "the formula window"

xdotool windowactivate --sync "$main"
keys alt+v Down Return
check_window '^Convertitire Percentuale - Grammi$' "the converter" >/dev/null
sleep 0.5
"$grab" "$out-converter.png"
# From the total, Tab goes to Calcola; 0 % is no recipe, and a warning says so.
keys Tab space
check_window '^(AVVISO|Avviso)$' "the converter's warning" >/dev/null
keys Return
gone '^(AVVISO|Avviso)$' "the converter's warning"
keys alt+F4
gone '^Convertitire Percentuale - Grammi$' "the converter"

xdotool windowactivate --sync "$main"
keys alt+v Return
check_window '^Valori di riferimento$' "the References window" >/dev/null
keys Return
gone '^Valori di riferimento$' "the References window"

keys alt+question Return
check_window '^Informazioni Vornak' "the About window" >/dev/null
keys Return
gone '^Informazioni Vornak' "the About window"

keys alt+v Down Down Return
check_window '^Ingredienti e prezzi$' "the ingredient editor" >/dev/null
keys alt+c
gone '^Ingredienti e prezzi$' "the ingredient editor"

# File › Apri: the file dialog, found as the active window (its title is Qt's own).
keys alt+f Return
sleep 0.5
dialog=$(xdotool getactivewindow)
[[ "$dialog" != "$main" ]] || fail "the file dialog did not open"
read -r x y w h < <(settled_geometry "$dialog")
echo "the file dialog ($(xdotool getwindowname "$dialog")): ${w}x$h at $x,$y"
inside "$x" "$y" "$w" "$h" "$ax" "$ay" "$aw" "$ah" || fail "the file dialog reaches beyond the work area"
keys Escape
sleep 0.3

# Visualizza › Archivio ricette…, the sixth item: the list takes the focus; all three
# recipes selected, Alt+O compares them.
xdotool windowactivate --sync "$main"
keys alt+v Down Down Down Down Down Return
library=$(check_window '^Archivio ricette$' "the library")
sleep 1
keys ctrl+a alt+o
check_window '^Confronto di ricette$' "the comparison of three, long names included" >/dev/null
sleep 0.5
"$grab" "$out-comparison.png"
keys alt+h
gone '^Confronto di ricette$' "the comparison"
xdotool windowactivate --sync "$library"
keys alt+h
gone '^Archivio ricette$' "the library"

check_window '^Vornak Ver' "the main window at the end" >/dev/null
echo "ok ($screen)"
