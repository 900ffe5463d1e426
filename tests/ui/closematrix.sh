#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Closing ends the program, whatever is open or being read: closematrix.sh VORNAK DATA-DIR
# The real program on a desktop with openbox, in each state (idle; the library reading a
# tree of 30.000 recipes; three recipes compared; the formula window after a search) closed
# each way (the main window's close from the window manager, File › Esci, every other
# window closed first and then the main one, SIGTERM). After each close the process must be
# gone. How long it took is printed ("close scanning esci: 48 ms"): the half-second goal
# is a figure to read in the test's output, not a limit that would pass or fail by the
# machine's load; ten seconds catches a process that stays.
set -euo pipefail
program=$1 data=$2
source "$(dirname "$0")/xsession.sh"

fail() {
    echo "FAIL: $*" >&2
    [[ -f "${home:-}/log" ]] && cat "$home/log" >&2
    exit 1
}

keys() {
    xdotool key --delay 80 "$@"
    sleep 0.3
}

window_of() { # TITLE-PATTERN WHAT
    local id
    id=$(framed_window "$1") || fail "$2 did not open"
    echo "$id"
}

start_desktop 1024x768
home=$desktop_home/run # removed with the desktop
small=$home/small tree=$home/tree
mkdir -p "$home" "$small"
for name in ricetta_uova.txt ricetta_sbilanciata.txt ricetta_lf_accenti.txt; do cp "$data/$name" "$small/"; done
# Sixty folders of 500 recipes each, three levels deep, linked rather than copied.
mkdir -p "$tree/s1/a/b"
for n in $(seq 500); do ln "$small/ricetta_uova.txt" "$tree/s1/a/b/r$n.txt"; done
for f in $(seq 2 60); do cp -al "$tree/s1" "$tree/s$f"; done
cp "$small/ricetta_uova.txt" "$tree/"

# Starts the program on RECIPE and brings it to STATE; sets `pid` and `main`.
start_in() { # STATE
    local recipe=$small/ricetta_uova.txt
    [[ $1 == scanning ]] && recipe=$tree/ricetta_uova.txt
    rm -rf "$home/xdg"
    mkdir -p "$home/xdg"
    XDG_DATA_HOME=$home/xdg XDG_CONFIG_HOME=$home/xdg "$program" "$recipe" >"$home/log" 2>&1 &
    pid=$!
    main=$(window_of '^Vornak Ver' "the main window")
    xdotool windowactivate --sync "$main"
    sleep 0.3
    case $1 in
    scanning | comparing)
        # Visualizza: Riferimenti, Convertitore, Ingredienti e prezzi, Formula del mix…,
        # Bilancio del mix, Archivio ricette…
        keys alt+v Down Down Down Down Down Return
        window_of '^Archivio ricette$' "the library" >/dev/null
        if [[ $1 == comparing ]]; then
            sleep 1 # three files read
            keys ctrl+a alt+o
            window_of '^Confronto di ricette$' "the comparison" >/dev/null
        fi
        ;;
    formula)
        keys alt+v Down Down Down Return
        window_of '^Formula del mix$' "the formula window" >/dev/null
        keys alt+f
        ;;
    esac
}

# Closes the way named (every other window first for "last"); `start` is the moment of
# the last step, the one that should end the program.
close_by() { # HOW
    case $1 in
    wm)
        xdotool windowactivate --sync "$main"
        start=$(date +%s%N)
        xdotool key alt+F4
        ;;
    esci)
        xdotool windowactivate --sync "$main"
        keys alt+f
        start=$(date +%s%N)
        xdotool key e
        ;;
    last)
        local id
        # The comparison before the library it belongs to; the worksheet last.
        for title in '^Confronto di ricette$' '^Archivio ricette$' '^Formula del mix$'; do
            for id in $(xdotool search --onlyvisible --name "$title" 2>/dev/null); do
                xdotool windowactivate --sync "$id" key alt+F4
                sleep 0.3
            done
        done
        xdotool windowactivate --sync "$main"
        start=$(date +%s%N)
        xdotool key alt+F4
        ;;
    sigterm)
        start=$(date +%s%N)
        kill -TERM "$pid"
        ;;
    esac
}

for state in idle scanning comparing formula; do
    for how in wm esci last sigterm; do
        start_in "$state"
        sleep 0.2
        # Whether the library was still reading (its thread alive) when closed: to read, not to judge.
        reading=
        grep -qx QThread /proc/"$pid"/task/*/comm 2>/dev/null && reading=" (while reading)"
        close_by "$how"
        for _ in $(seq 500); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.02
        done
        ms=$((($(date +%s%N) - start) / 1000000))
        if kill -0 "$pid" 2>/dev/null; then
            xdotool search --pid "$pid" 2>/dev/null | while read -r id; do
                echo "left: $(xdotool getwindowname "$id" 2>/dev/null) $(xwininfo -id "$id" | grep -E 'Map State|geometry')"
            done
            kill -KILL "$pid"
            fail "$state, closed by $how: the program still runs after 10 s"
        fi
        wait "$pid" 2>/dev/null || true
        echo "close $state $how: ${ms} ms$reading"
    done
done
echo "ok"
