#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# The real program as a native Wayland client of weston, on its x11 backend inside Xvfb, whose
# clicks and keys reach it as Wayland input: squares 0 and 1 in their shades, a click, Space,
# "reset" and the sum read back through the clipboard, then maximize and restore from Qt's own
# title bar with the board still answering, and not a word on stderr.
# Usage: in-weston.sh PROGRAM PICTURES-FOLDER
set -euo pipefail
program=$(readlink -f "$1")
pictures=$(readlink -f "$2")
source "$(dirname "$0")/../session.sh"

export XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=wayland LC_ALL=C.UTF-8
mkdir -m 700 "$XDG_RUNTIME_DIR"
light=$(convert "$pictures/vi.bmp" -format '%[pixel:p{0,0}]' info:)
outputWidth=800 outputHeight=700

# start_weston NAME BACKEND-OPTION...: a weston of our own on socket NAME, exported as WAYLAND_DISPLAY.
start_weston() {
    local name=$1
    shift
    weston --socket="$name" --idle-time=0 --width=$outputWidth --height=$outputHeight "$@" \
        --log="$work/$name.log" 2>>"$work/$name.log" &
    track $!
    wait_until test -S "$XDG_RUNTIME_DIR/$name" || { cat "$work/$name.log"; fail "weston $name did not start"; }
    export WAYLAND_DISPLAY=$name
}

# span LINE STRETCHED: where the mask, squeezed into one line, is mostly light; the line is
# stretched to two first, since ImageMagick trims a box one pixel thin badly.
span() { convert "$work/mask.png" -scale "$1!" -threshold 15% -scale "$2!" -format '%@' info: 2>/dev/null; }
# locate SHOT: sets left and top, the screen place of the window's client corner, from where the
# light squares lie in the screenshot (the board's columns and rows hold far more of that colour
# than the title bar's icon); false when no board shows.
locate() {
    convert "$1" -fill black +opaque "$light" -fill white -opaque "$light" "$work/mask.png"
    local width height columns rows
    read -r width height < <(identify -format '%w %h' "$1")
    columns=$(span "${width}x1" "${width}x2")
    rows=$(span "1x$height" "2x$height")
    [[ $columns =~ ^([0-9]+)x2\+([0-9]+)\+0$ && ${BASH_REMATCH[1]} -gt 500 ]] || return 1
    left=$((BASH_REMATCH[2] - 1))
    [[ $rows =~ ^2x([0-9]+)\+0\+([0-9]+)$ && ${BASH_REMATCH[1]} -gt 500 ]] || return 1
    top=$((BASH_REMATCH[2] - 1))
}

# xdotool's input reaches the program through weston (QT_QPA_PLATFORM keeps it off the X server
# itself).
start_xvfb "$((outputWidth + 100))x$((outputHeight + 100))x24"
start_weston x11 --backend=x11-backend.so --use-pixman
run_program "$pictures" "$program"
board() { import -window root "$work/shot.png" && locate "$work/shot.png"; }
pixel() { convert "$work/shot.png" -format "%[pixel:p{$1,$2}]" info:; }
# grown: 15 pixels below the client's first size the window shows its own background, not weston's.
grown() { board && [[ $(pixel $((left + 5)) $((top + 630))) == $(pixel $((left + 5)) $((top + 600))) ]]; }
first_size() { board && ! grown; }
# weston follows the X pointer by its moves, so each move starts from outside its window.
click() { xdotool mousemove $((outputWidth + 50)) 10 mousemove "$1" "$2" click 1; }
square() { click $((left + 36 + 72 * $1)) $((top + 36)); }
sum_reads() {
    click $((left + 300)) $((top + 596)) # into the sum box
    xdotool key ctrl+a ctrl+c
    seen=$(timeout 5 wl-paste -n 2>/dev/null) && [[ $seen == "$1" ]]
}
sum_is() { wait_until sum_reads "$1" || fail "the sum reads '$seen', not $1"; }

wait_until board || fail "no board in weston's window"
shows $((left + 1)) $((top + 1)) "$pictures/vi.bmp" "$work/shot.png" || fail "square 0 is not in its light shade"
shows $((left + 73)) $((top + 1)) "$pictures/so.bmp" "$work/shot.png" || fail "square 1 is not in its dark shade"
# Space at start presses square 0, which has the focus.
xdotool mousemove $((outputWidth + 50)) 10 mousemove $((left + 36)) $((top + 36)) key space
sum_is 0.03125
square 1
sum_is 0.0625
click $((left + 72)) $((top + 600)) # reset
sum_is 0

# Qt's title bar: the maximize button lies 16 pixels above the client and 40 left of the frame's
# right edge, which is 3 pixels right of the client.
click $((left + 538)) $((top - 16))
wait_until grown || fail "no maximized window"
square 2
sum_is 0.03125
click $((outputWidth - 40)) $((top - 16)) # restore
wait_until first_size || fail "no restored window"
square 2
sum_is 0.0625
[[ ! -s $work/program.log ]] || fail "the program wrote to stderr"
echo "x11: clicks, Space, reset and the sum through weston; maximize and restore kept the board"
