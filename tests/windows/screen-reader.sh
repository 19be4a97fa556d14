#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# screen-reader.sh ZIP PROBE CLEAN
# The program from the zip as a Windows screen reader meets it through UI Automation, under Wine on
# an Xvfb of its own, in a copy of the fresh prefix CLEAN: PROBE (uia-probe.exe) asks for the window's element from
# another process, as Narrator does. Its answer must come from Qt's provider for Form1, in the
# program's process.
#
# Wine 8 answers nothing below the window of a provider that runs in a single-threaded apartment
# and asks for COM threading, as Qt's does (the README's "On Windows" says where and why), so the
# window's element is all a test can read here; `uia-probe tessk-research 10 child` on Windows
# itself reads the first square too.
set -euo pipefail
zip=$(readlink -f "$1") probe=$(readlink -f "$2") clean=$(readlink -f "$3")
source "$(dirname "$0")/../session.sh"
[[ -f $zip ]] || fail "no zip: build the target windows-packages first"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8
unset LC_ALL LC_MESSAGES LANGUAGE
at_exit 'wineserver --kill'
start_xvfb 1280x1024x24
cp -a "$clean" "$WINEPREFIX"

(cd "$work" && cmake -E tar xf "$zip")
folder=$work/$(basename "$zip" .zip)
(cd "$folder" && exec wine tessk-research.exe) >"$work/program.out" 2>"$work/program.log" &
track $!
wait_until xdotool search --onlyvisible --name '^tessk-research$' >/dev/null || fail "no window appeared"

wine "$probe" tessk-research 30 >"$work/window" 2>"$work/probe.log" || fail "the probe: $(<"$work/probe.log")"
pid=$(sed -n 's/^window\t//p' "$work/window")
[[ -n $pid ]] || fail "the probe found no window: $(<"$work/window")"
# depth, control type (50032: a window), name, class name, framework, process id
expected=$(printf '0\t50032\ttessk-research\twindow::Form1\tQt\t%s' "$pid")
grep -qxF "$expected" "$work/window" || fail "the window's element reads '$(sed -n 2p "$work/window")', not '$expected'"
echo "the window's element: $(sed -n 2p "$work/window")"
