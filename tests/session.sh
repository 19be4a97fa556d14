# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Sourced by the tests that meet the real program from outside. Gives a scratch folder $work that
# goes away at exit with every process handed to `track`, `fail` (which shows first what the program
# wrote to standard error), `wait_until`, an X server of their own, the program started in a folder,
# and a look at a picture on the screen.

work=$(mktemp -d "${TMPDIR:-/tmp}/tessk-test.XXXXXX")
tracked=()
track() { tracked+=("$@"); }
# at_exit COMMAND: runs COMMAND at exit before anything else of the clean-up, whatever it returns.
exit_steps=()
at_exit() { exit_steps+=("$1"); }
# The clean-up neither fails the test nor stops half-way: under set -e a failing step in a trap
# would end it there with that step's status, leaving the processes and the folder behind.
cleanup() {
    local status=$? step pid
    set +e
    for step in "${exit_steps[@]}"; do eval "$step" >/dev/null 2>&1; done
    for pid in "${tracked[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
fail() {
    cat "$work/program.log" 2>/dev/null || true
    echo "FAIL: $*"
    exit 1
}
# wait_until COMMAND...: runs COMMAND until it succeeds, for 30 seconds at most.
wait_until() {
    local end=$((SECONDS + 30))
    until "$@"; do ((SECONDS < end)) || return 1; sleep 0.1; done
}

# Starts Xvfb on a free display and exports DISPLAY.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 "${1:-800x700x24}" -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    track $!
    wait_until test -s "$work/display" || { cat "$work/xvfb.log"; fail "Xvfb did not start"; }
    export DISPLAY=:$(head -n1 "$work/display")
}

# run_program FOLDER PROGRAM: starts it there and sets program_pid. Its standard error goes to
# $work/program.log, its output to $work/program.out.
run_program() {
    (cd "$1" && exec "$2") >"$work/program.out" 2>"$work/program.log" &
    program_pid=$!
    track "$program_pid"
}
# start_program FOLDER PROGRAM: run_program on X, and sets window to its X window id.
start_program() {
    run_program "$@"
    window=$(timeout 20 xdotool search --sync --onlyvisible --name '^tessk-research$' | head -n1 || true)
    [[ -n $window ]] || fail "no window appeared"
}

# shows X Y PICTURE [SHOT]: the 70 x 70 pixels at X, Y of SHOT, or of the X screen now, equal PICTURE.
shows() {
    local shot=${4:-$work/screen.png}
    [[ -n ${4:-} ]] || import -window root "$shot"
    convert "$shot" -crop "70x70+$1+$2" +repage "$work/square.png"
    [[ $(compare -metric AE "$work/square.png" "$3" null: 2>&1 || true) == 0 ]]
}
