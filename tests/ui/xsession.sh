# SPDX-License-Identifier: GPL-3.0-or-later
# A desktop of its own for a real-window check: Xvfb at a given size with the openbox
# window manager, as a user's desktop frames and places windows. Sourced by the scripts
# in this folder; `start_desktop WIDTHxHEIGHT` exports DISPLAY, and everything it started
# (and every pid added to desktop_pids) ends when the script exits.

desktop_pids=()

stop_desktop() {
    local pid
    for pid in "${desktop_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${desktop_pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    [[ -n "${desktop_home:-}" ]] && rm -rf "$desktop_home"
    return 0
}
trap stop_desktop EXIT

start_desktop() { # WIDTHxHEIGHT
    desktop_home=$(mktemp -d)
    for _ in 1 2 3; do
        try_desktop "$1" && return 0
        stop_desktop
        desktop_pids=()
        desktop_home=$(mktemp -d)
    done
    echo "no desktop after three attempts"
    return 1
}

try_desktop() { # WIDTHxHEIGHT
    # Xvfb picks a free display itself and writes its number to the descriptor. Two servers
    # starting at the same moment (another test run on the machine) can both claim a number
    # and one then gives up: the server must still be running once it answers.
    local displayfile=$desktop_home/display xvfb
    # -noreset: the server would otherwise reset when its last client leaves (the probe
    # below) and refuse the window manager's connection meanwhile.
    Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$displayfile" >/dev/null 2>&1 &
    xvfb=$!
    desktop_pids+=("$xvfb")
    for _ in $(seq 100); do [[ -s "$displayfile" ]] && break; sleep 0.1; done
    DISPLAY=:$(head -n 1 "$displayfile")
    export DISPLAY QT_QPA_PLATFORM=xcb
    for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done
    [[ "$DISPLAY" != : ]] && kill -0 "$xvfb" 2>/dev/null && xwininfo -root >/dev/null 2>&1 ||
        { echo "Xvfb did not start"; return 1; }

    # Its default settings, whatever the user running the tests has configured.
    XDG_CONFIG_HOME=$desktop_home XDG_CACHE_HOME=$desktop_home openbox >"$desktop_home/openbox.log" 2>&1 &
    desktop_pids+=($!)
    # The manager is up once it has published the work area.
    for _ in $(seq 100); do
        xprop -root _NET_WORKAREA 2>/dev/null | grep -q '_NET_WORKAREA(CARDINAL)' && kill -0 "$xvfb" 2>/dev/null &&
            return 0
        kill -0 "${desktop_pids[-1]}" 2>/dev/null || break
        sleep 0.1
    done
    echo "openbox did not start on $DISPLAY:"
    cat "$desktop_home/openbox.log"
    return 1
}

# The id of the first shown window whose title matches the pattern, waiting up to ten
# seconds for it to be mapped and framed by the window manager.
framed_window() { # TITLE-PATTERN
    local id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
        [[ -n "$id" ]] && xprop -id "$id" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '=' && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# "X Y WIDTH HEIGHT" of a window with its frame, as it lies on the screen.
framed_geometry() { # WINDOW-ID
    local x y w h l r t b
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /^ *Width:/ {w=$2} /^ *Height:/ {h=$2} END {print x, y, w, h}')
    IFS=', ' read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //')
    echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# "X Y WIDTH HEIGHT" of the work area the window manager publishes.
work_area() {
    xprop -root _NET_WORKAREA | sed 's/.*= //' | awk -F', *' '{print $1, $2, $3, $4}'
}

inside() { # X Y W H  AX AY AW AH: the first rectangle lies inside the second
    (($1 >= $5 && $2 >= $6 && $1 + $3 <= $5 + $7 && $2 + $4 <= $6 + $8))
}

# The geometry settles once the window manager's frame is known; wait for it to stay put.
settled_geometry() { # WINDOW-ID
    local last= now
    for _ in $(seq 30); do
        now=$(framed_geometry "$1")
        [[ "$now" == "$last" ]] && { echo "$now"; return 0; }
        last=$now
        sleep 0.2
    done
    echo "$now"
}
