#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# The real program under a screen reader's eyes: a session bus (with the accessibility bus and its
# registry) of our own, an X server, the program in a copy of the pictures folder, and
# screen_reader.py to meet it through AT-SPI: in English, then briefly in each other language.
# Usage: screen-reader.sh PROGRAM PICTURES-FOLDER
set -euo pipefail
program=$(readlink -f "$1")
sources=$(readlink -f "$2")
source "$(dirname "$0")/../session.sh"

export XDG_RUNTIME_DIR=$work # the accessibility bus puts its socket there
mkdir "$work/pictures"
cp "$sources"/*.bmp "$work/pictures"
start_xvfb
# The session bus starts the accessibility bus when the program first asks for it, and that bus
# starts the registry.
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" >"$work/dbus.log" 2>&1 &
track $!
wait_until test -s "$work/bus" || fail "no session bus"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")

unset LC_ALL LC_MESSAGES LANGUAGE # LANG alone chooses each run's language
for locale in C de_DE fr_FR es_ES; do
    LANG=$locale.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 start_program "$work/pictures" "$program"
    /usr/bin/python3 "$(dirname "$0")/screen_reader.py" "$work/pictures" "$sources" "$program_pid" "${locale%_*}" ||
        fail "the program as a screen reader meets it under LANG=$locale.UTF-8"
    kill "$program_pid" && wait "$program_pid" || true
done
