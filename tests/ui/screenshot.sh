#!/usr/bin/env bash
# Starts the real program under Xvfb at 1280 x 1024, waits for its window and saves
# a screenshot of the screen: screenshot.sh VORNAK GRABSCREEN OUT.png
set -euo pipefail
program=$1 grab=$2 out=$3

# Xvfb picks a free display itself and writes its number to the descriptor. Two servers
# starting at the same moment can both claim a number and one then gives up, so the tests
# that use this script take turns (RESOURCE_LOCK) and the server must still be running.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
app=
applog=$(mktemp)
cleanup() {
    [[ -n "$app" ]] && kill "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -f "$applog"
}
trap cleanup EXIT

for _ in $(seq 100); do [[ -s "$displayfile" ]] && break; sleep 0.1; done
display=:$(head -n 1 "$displayfile")
rm -f "$displayfile"
[[ "$display" != : ]] && kill -0 "$xvfb" 2>/dev/null || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done

"$program" >"$applog" 2>&1 &
app=$!
for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Vornak Ver. 2.0.6 - ' && break
    kill -0 "$app" 2>/dev/null || { echo "the program ended before showing its window:"; cat "$applog"; exit 1; }
    sleep 0.1
done
xwininfo -root -tree | grep -q '"Vornak Ver. 2.0.6 - ' || { echo "no window appeared"; exit 1; }
sleep 1 # let the first paint settle
"$grab" "$out"
size=$(stat -c %s "$out")
echo "screenshot $out ($size bytes)"
[[ $size -gt 10000 ]]
