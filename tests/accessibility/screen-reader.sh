#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# The real program under a screen reader's eyes: a session bus (with the accessibility bus and its
# registry) of our own, an X server, the program in German in its pictures folder, and
# screen_reader.py to meet it through AT-SPI.
# Usage: screen-reader.sh PROGRAM PICTURES-FOLDER
set -euo pipefail
program=$(readlink -f "$1")
pictures=$(readlink -f "$2")
source "$(dirname "$0")/../fixtures/session.sh"

export XDG_RUNTIME_DIR=$work # the accessibility bus puts its socket there
start_xvfb
# The session bus starts the accessibility bus when the program first asks for it, and that bus
# starts the registry.
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >"$work/dbus.log" 2>&1 &
track $!
wait_until test -s "$work/bus" || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")

unset LC_ALL LC_MESSAGES LANGUAGE # LANG alone chooses the language
LANG=de_DE.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_program "$pictures" "$program"
/usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$program_pid" || fail "the program as a screen reader meets it"
