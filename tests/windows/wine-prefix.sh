#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# wine-prefix.sh CLEAN SHARED: readies Wine once for the whole Windows stage, so that no test waits
# for it. CLEAN becomes a fresh prefix that reports Windows 10 and in which Wine draws each
# window's frame and title bar itself, as Windows does (Xvfb has no window manager); the tests from
# outside each start from a copy of it. SHARED, another copy, is the prefix of the test programs,
# with a Wine server that stays up until the stage's last test has run (wine-prefix.sh --end
# SHARED ends it): no test starts or ends that server, and none waits for Wine's start-up
# (wineboot), which the first process of a server runs and every later one waits for.
set -euo pipefail
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [[ $1 == --end ]]; then
    export WINEPREFIX=$2
    wineserver --kill || true # fails when the server has gone already
    exec wineserver --wait
fi
clean=$1 shared=$2
log=$clean.log
# A server that an earlier stage left running on either prefix ends first.
for prefix in "$clean" "$shared"; do
    WINEPREFIX=$prefix wineserver --kill 2>/dev/null || true
    WINEPREFIX=$prefix wineserver --wait
done
rm -rf "$clean" "$shared"
# Wine's processes get no pipe of ctest's: the ones started here run on after this script, and
# ctest would wait for them.
export WINEPREFIX=$clean
{
    wineboot --init
    wine winecfg -v win10
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    wineserver --wait # the registry reaches its files when the server ends
} </dev/null >"$log" 2>&1 || { cat "$log"; exit 1; }
cp -a "$clean" "$shared"
# In the prefix the packages' tests copy, a crash of one of Wine's own processes ends it, as on a
# Windows with no debugger set. Wine starts its own debugger when none is set, which opens a
# console (whose key in the user's registry the uninstall rows then find left behind; seen once in
# twenty runs, when Wine's services started) or waits for a click on its crash dialog. An empty
# command is a debugger Wine cannot start, so the crashed process just ends, and its message still
# reaches the log. The test programs' prefix keeps the debugger, for its backtraces.
{
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f
    wineserver --wait
} </dev/null >>"$log" 2>&1 || { cat "$log"; exit 1; }
export WINEPREFIX=$shared
wineserver --persistent </dev/null >>"$log" 2>&1
wine cmd /c exit </dev/null >>"$log" 2>&1 || { cat "$log"; exit 1; }
