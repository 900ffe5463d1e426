#!/usr/bin/env bash
# Starts the real program under Xvfb at 1280 x 1024, waits for its window and saves
# a screenshot of the screen: screenshot.sh VORNAK GRABSCREEN OUT.png
set -euo pipefail
program=$1 grab=$2 out=$3

# Xvfb picks a free display itself and writes its number to the descriptor, so runs
# side by side never share a server.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
app=
cleanup() {
    [[ -n "$app" ]] && kill "$app" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

for _ in $(seq 100); do [[ -s "$displayfile" ]] && break; sleep 0.1; done
display=:$(head -n 1 "$displayfile")
rm -f "$displayfile"
[[ "$display" != : ]] || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=$display QT_QPA_PLATFORM=xcb
for _ in $(seq 50); do xwininfo -root >/dev/null 2>&1 && break; sleep 0.1; done

"$program" >/dev/null 2>&1 &
app=$!
for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"Vornak Ver. 2.0.6 - ' && break
    kill -0 "$app" 2>/dev/null || { echo "the program ended before showing its window"; exit 1; }
    sleep 0.1
done
xwininfo -root -tree | grep -q '"Vornak Ver. 2.0.6 - ' || { echo "no window appeared"; exit 1; }
sleep 1 # let the first paint settle
"$grab" "$out"
size=$(stat -c %s "$out")
echo "screenshot $out ($size bytes)"
[[ $size -gt 10000 ]]
