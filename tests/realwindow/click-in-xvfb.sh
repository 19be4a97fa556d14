#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# The real program in a real X server: click square 0 with xdotool, then check in a
# screenshot that the square shows the knight picture, pixel for pixel.
# Usage: click-in-xvfb.sh PROGRAM PICTURES-FOLDER
set -euo pipefail
program=$1
pictures=$(readlink -f "$2")

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 800x700x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")

(cd "$pictures" && exec "$program") >"$work/program.log" 2>&1 &
pids+=($!)
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^tessk-research$' | head -n1)
[[ -n $window ]] || { echo "no window appeared"; cat "$work/program.log"; exit 1; }
eval "$(xdotool getwindowgeometry --shell "$window")" # sets X and Y

# The square's picture lies one pixel in from the square's corner.
square_shows() {
    import -window root "$work/shot.png"
    convert "$work/shot.png" -crop "70x70+$((X + 1))+$((Y + 1))" +repage "$work/square.png"
    local differing
    differing=$(compare -metric AE "$work/square.png" "$1" null: 2>&1 || true)
    [[ $differing == 0 ]]
}
wait_until_square_shows() {
    for _ in $(seq 50); do square_shows "$1" && return 0; sleep 0.2; done
    echo "square 0 does not show $1 (differing pixels: $(compare -metric AE "$work/square.png" "$1" null: 2>&1))"
    return 1
}

convert -size 70x70 xc:'rgb(192,192,128)' "$work/first.png"
wait_until_square_shows "$work/first.png"

xdotool mousemove --window "$window" 36 36 click 1
wait_until_square_shows "$pictures/vilo.bmp"
echo "square 0 shows vilo.bmp after a real click"
