# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Sourced by the tests that meet the real program from outside. Gives a scratch folder $work that
# goes away at exit with every process handed to `track`, `fail`, an X server of their own, and
# the program started in a folder with its window found.

work=$(mktemp -d "${TMPDIR:-/tmp}/tessk-test.XXXXXX")
tracked=()
track() { tracked+=("$@"); }
cleanup() {
    for pid in "${tracked[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*"
    exit 1
}

# Starts Xvfb on a free display and exports DISPLAY.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "${1:-800x700x24}" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    track $!
    for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.1; done
    [[ -s $work/display ]] || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
    export DISPLAY=:$(head -n1 "$work/display")
}

# start_program FOLDER PROGRAM: starts it there, sets program_pid and window (its X window id).
# Its standard error goes to $work/program.log, its output to $work/program.out.
start_program() {
    (cd "$1" && exec "$2") >"$work/program.out" 2>"$work/program.log" &
    program_pid=$!
    track "$program_pid"
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^tessk-research$' | head -n1 || true)
    [[ -n $window ]] || { cat "$work/program.log"; fail "no window appeared"; }
}

# square_0_shows PICTURE: true when the window's square 0 (its picture one pixel in from the
# window's corner) equals PICTURE pixel for pixel.
square_0_shows() {
    local X Y
    eval "$(xdotool getwindowgeometry --shell "$window")"
    import -window root "$work/shot.png"
    convert "$work/shot.png" -crop "70x70+$((X + 1))+$((Y + 1))" +repage "$work/square.png"
    [[ $(compare -metric AE "$work/square.png" "$1" null: 2>&1 || true) == 0 ]]
}
wait_until_square_0_shows() {
    for _ in $(seq 50); do square_0_shows "$1" && return 0; sleep 0.2; done
    cat "$work/program.log"
    fail "square 0 does not show $1"
}
