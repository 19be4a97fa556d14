#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# The real program as a native Wayland client of weston, on its x11 backend inside Xvfb, whose
# clicks reach it as Wayland input: Qt's own title bar maximizes and restores the window, which
# takes each size weston gives it and keeps answering clicks, and not a word on stderr. The window's
# frame and client area come from weston's scene graph, and weston's output from the X server.
# Usage: in-weston.sh PROGRAM PICTURES-FOLDER
set -euo pipefail
program=$(readlink -f "$1")
pictures=$(readlink -f "$2")
source "$(dirname "$0")/../fixtures/session.sh"

export XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=wayland LC_ALL=C.UTF-8
mkdir -m 700 "$XDG_RUNTIME_DIR"
outputWidth=800 outputHeight=700

start_xvfb "$((outputWidth + 100))x$((outputHeight + 100))x24"
# --debug lets weston-debug read the scene graph.
weston --socket=x11 --debug --idle-time=0 --width=$outputWidth --height=$outputHeight \
    --backend=x11-backend.so --use-pixman --log="$work/weston.log" 2>>"$work/weston.log" &
track $!
wait_until test -S "$XDG_RUNTIME_DIR/x11" || { cat "$work/weston.log"; fail "weston did not start"; }
export WAYLAND_DISPLAY=x11
output=$(timeout 20 xdotool search --sync --class '^Weston Compositor$' | head -n1) || fail "no weston output on X"
eval "$(xdotool getwindowgeometry --shell "$output")" # X and Y: the output's place on the X screen
run_program "$pictures" "$program"

# placed: reads the program's window from weston's scene graph: frameLeft, frameTop, frameRight,
# the frame's extent on the output, and left, top, width, height, the client area's (its opaque part).
placed() {
    local graph
    graph=$(weston-debug scene-graph 2>/dev/null) || return 1
    [[ $graph =~ "top-level window 'tessk-research'"[^$'\n']*$'\n'[[:space:]]*"position: ("([0-9-]+)", "([0-9-]+)") -> ("([0-9-]+)", "[0-9-]+")"$'\n'[[:space:]]*"[opaque: ("([0-9-]+)", "([0-9-]+)") -> ("([0-9-]+)", "([0-9-]+)")]" ]] || return 1
    frameLeft=${BASH_REMATCH[1]} frameTop=${BASH_REMATCH[2]} frameRight=${BASH_REMATCH[3]}
    left=${BASH_REMATCH[4]} top=${BASH_REMATCH[5]}
    width=$((BASH_REMATCH[6] - left)) height=$((BASH_REMATCH[7] - top))
}
sized() { placed && ((width == $1 && height == $2)); }
grown() { placed && ((width > 576 && height > 615)); }
# pointer_on X Y: weston has given the program the pointer at X, Y of the output: the program's
# cursor is drawn there (before that, weston's own cursor shows, and a click goes elsewhere).
pointer_on() {
    local graph
    graph=$(weston-debug scene-graph 2>/dev/null) || return 1
    [[ $graph =~ "role wl_pointer-cursor, PID "([0-9]+)[^$'\n']*$'\n'[[:space:]]*"position: ("([0-9-]+)", "([0-9-]+)") -> ("([0-9-]+)", "([0-9-]+)")" ]] &&
        ((BASH_REMATCH[1] == program_pid && BASH_REMATCH[2] <= $1 && $1 < BASH_REMATCH[4] &&
            BASH_REMATCH[3] <= $2 && $2 < BASH_REMATCH[5]))
}
# weston follows the X pointer by its moves, so each move starts from outside its window; the
# click waits until the program has the pointer; then the pointer, which weston draws, goes to the
# output's corner, away from the pictures.
click() {
    xdotool mousemove $((X + outputWidth + 50)) $((Y + 10)) mousemove $((X + $1)) $((Y + $2))
    wait_until pointer_on "$1" "$2" || fail "the program did not get the pointer at $1, $2"
    xdotool click 1 mousemove $((X + outputWidth - 2)) $((Y + outputHeight - 2))
}
# Qt's title bar (its bradient decoration) puts the maximize button, and in a maximized window the
# restore button, 41 pixels left of the frame's right edge, half-way down the bar.
title_button() { click $((frameRight - 41)) $(((frameTop + top) / 2)); }
# square N of the top row shows PICTURE.
square_shows() { placed && shows $((X + left + 72 * $1 + 1)) $((Y + top + 1)) "$pictures/$2"; }

wait_until sized 576 615 || fail "no window of the client size in weston"
title_button
# Maximized, the client area is the output's but weston's panel and Qt's frame around it.
wait_until grown || fail "no maximized window: ${width}x$height"
click $((left + 36)) $((top + 36))
wait_until square_shows 0 vilo.bmp || fail "square 0 did not take the click when maximized"
title_button
wait_until sized 576 615 || fail "no restored window: ${width}x$height"
click $((left + 72 + 36)) $((top + 36))
wait_until square_shows 1 solo.bmp || fail "square 1 did not take the click when restored"
kill -0 "$program_pid" || fail "the program ended"
[[ ! -s $work/program.log ]] || fail "the program wrote to stderr"
echo "maximized and restored from Qt's title bar, each size taken, the board answering"
