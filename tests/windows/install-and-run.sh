#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# install-and-run.sh INSTALLER ZIP STARTLINK
# The Windows program as a user meets it, under Wine on an Xvfb of its own, in a fresh prefix and
# a German locale. The installer installs it silently, and it is started through its Start-menu
# shortcut (by STARTLINK, which starts what a shortcut starts, in its working folder), then once
# from another folder; then the zip is unpacked into a folder with a non-ASCII name and started
# there. Each run: a key and a click show their pieces' pictures and the sum (read back through
# the clipboard), a broken picture brings the report and the program stays up, and the close
# button of the title bar ends it with status 0. The silent uninstall leaves no file, shortcut or
# registry key behind, and the zip's program loads every DLL it brings.
set -euo pipefail
installer=$(readlink -f "$1")
zip=$(readlink -f "$2")
startlink=$(readlink -f "$3")
work=$(mktemp -d "${TMPDIR:-/tmp}/tessk-windows.XXXXXX")
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
xvfb=
cleanup() {
    wineserver --kill 2>/dev/null || true
    if [[ -n $xvfb ]]; then kill "$xvfb" 2>/dev/null || true; fi
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# Runs the command until it succeeds, for at most about 30 seconds.
wait_until() {
    local tries=0
    until "$@"; do
        ((++tries < 300)) || return 1
        sleep 0.1
    done
}

# Wine takes the Windows locale from the Unix one, which needs to exist: one of our own.
mkdir -p "$work/locale"
localedef -i de_DE -f UTF-8 "$work/locale/de_DE.UTF-8" || [[ -f $work/locale/de_DE.UTF-8/LC_CTYPE ]]
export LOCPATH=$work/locale LANG=de_DE.UTF-8
unset LC_ALL LC_CTYPE LC_NUMERIC LC_MESSAGES

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb=$!
wait_until test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=:$(<"$work/display")
wineboot --init 2>/dev/null
wineserver --wait
# Xvfb has no window manager: Wine draws each window's frame and title bar itself, as Windows does.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
wineserver --wait
snapshot() {
    (cd "$WINEPREFIX/drive_c" && find .)
    sed -n 's/^\(\[[^]]*\]\).*/\1/p' "$WINEPREFIX"/*.reg
}
snapshot | LC_ALL=C sort >"$work/before"

program_window() { xdotool search --onlyvisible --name '^tessk-research$' 2>/dev/null | head -n 1; }
windows_open() { (($(xdotool search --onlyvisible --name '^tessk-research$' 2>/dev/null | wc -l) == $1)); }
# The window's client area: Wine's frame has the same width on the left, right and bottom.
locate_window() {
    wait_until windows_open 1 || fail "no window appeared"
    window=$(program_window)
    eval "$(xdotool getwindowgeometry --shell "$window")"
    border=$(((WIDTH - 576) / 2))
    left=$((X + border))
    top=$((Y + HEIGHT - 615 - border))
}
click_at() { xdotool mousemove "$((left + $1))" "$((top + $2))" click 1; }
clipboard_is() { [[ $(xclip -o -selection clipboard 2>/dev/null) == "$1" ]]; }
clipboard_holds() { [[ $(xclip -o -selection clipboard 2>/dev/null) == *"$1"* ]]; }
sum_is() {
    click_at 300 600
    xdotool key ctrl+a ctrl+c
    wait_until clipboard_is "$1" || fail "the sum reads '$(xclip -o -selection clipboard 2>/dev/null)', not '$1'"
}
# The 70 x 70 pixels of the picture on the square whose top-left corner is at x, y.
square_shows() {
    import -window root -crop "70x70+$((left + $1 + 1))+$((top + $2 + 1))" +repage "$work/square.png"
    compare -metric AE "$work/square.png" "$3" null: 2>/dev/null
}
report_contains() {
    xdotool key ctrl+c
    wait_until clipboard_holds "$1" || fail "the report reads: $(xclip -o -selection clipboard 2>/dev/null)"
}

# exercise FOLDER-UNIX FOLDER-WINDOWS: the program is up, started in that folder.
exercise() {
    locate_window
    xdotool key space # the first square has the focus
    sum_is "0,03125"
    click_at 108 36 # square 1
    sum_is "0,0625"
    wait_until square_shows 0 0 "$1/vilo.bmp" || fail "square 0 does not show vilo.bmp"
    wait_until square_shows 72 0 "$1/solo.bmp" || fail "square 1 does not show solo.bmp"
    cp "$1/viki.bmp" "$work/viki.bmp"
    head -c 3000 /dev/urandom >"$1/viki.bmp"
    click_at 36 36
    wait_until windows_open 2 || fail "no report for a broken picture"
    report_contains "\"viki.bmp\" from the folder \"$2\": it is not a picture"
    xdotool key Return
    wait_until windows_open 1 || fail "the report did not close"
    mv "$work/viki.bmp" "$1/viki.bmp"
    sum_is "0,0625"
}
# The close button is the last of the title bar's buttons, at its right end.
close_window() {
    eval "$(xdotool getwindowgeometry --shell "$window")"
    xdotool mousemove "$((X + WIDTH - border - 12))" "$((Y + border + 10))" click 1
}

installed=$WINEPREFIX/drive_c/Program\ Files/tessk-research
shortcut='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\tessk-research.lnk'
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\tessk-research'
wine "$installer" /S || fail "the silent install ended with status $?"
[[ -f $installed/tessk-research.exe && -f $installed/vi.bmp ]] || fail "nothing installed in Program Files"
entry=$(wine reg query "$key" 2>/dev/null | tr -d '\r')
for value in 'DisplayName.*tessk-research' 'DisplayVersion.*1\.00' 'Publisher.*tessk-research developers' \
    'DisplayIcon.*tessk-research\.exe' 'QuietUninstallString.*uninstall\.exe" /S'; do
    grep -q "$value" <<<"$entry" || fail "the Apps & features entry lacks $value: $entry"
done

wine "$startlink" "$shortcut" >"$work/started" &
program=$!
exercise "$installed" 'C:\Program Files\tessk-research'
[[ $(tr -d '\r' <"$work/started") == 'C:\Program Files\tessk-research' ]] || fail "the shortcut starts it in $(<"$work/started")"
close_window
wait "$program" || fail "closed, it ended with status $?"

# Started elsewhere, it says where its pictures are and how to start it there.
mkdir -p "$WINEPREFIX/drive_c/users/Zoë/Schach"
(cd "$WINEPREFIX/drive_c/users/Zoë" && exec wine "C:\\Program Files\\tessk-research\\tessk-research.exe") &
program=$!
locate_window
click_at 36 36
wait_until windows_open 2 || fail "no report for a missing picture"
report_contains 'in "C:\Program Files\tessk-research"; it reads them from the folder it is started in'
xdotool key Return
close_window
wait "$program" || fail "closed, it ended with status $?"

wine "$installed/uninstall.exe" /S || fail "the silent uninstall ended with status $?"
wineserver --wait
snapshot | LC_ALL=C sort >"$work/after"
# What Windows deletes at its next start (the uninstaller's copy of itself in the temporary
# folder, which cannot delete itself while it runs) is all that may remain.
pending=$(grep -i '^"PendingFileRenameOperations"' "$WINEPREFIX/system.reg" || true)
LC_ALL=C comm -13 "$work/before" "$work/after" | { grep -v '^\./users/Zoë' || true; } | while read -r path; do
    windows_path=$(sed 's|^\./|C:\\\\|; s|/|\\\\|g' <<<"$path")
    grep -qiF "$windows_path" <<<"$pending" || fail "the uninstall left behind $path"
done

# The portable zip, unpacked into a folder with a non-ASCII name and started there. Wine names
# every DLL it loads; the zip holds none that the program does not load.
folder=$WINEPREFIX/drive_c/users/Zoë/Schach
(cd "$folder" && cmake -E tar xf "$zip")
unpacked=$folder/$(basename "$zip" .zip)
(cd "$unpacked" && WINEDEBUG=-all,+loaddll exec wine tessk-research.exe 2>"$work/loaded") &
program=$!
exercise "$unpacked" "C:\\users\\Zoë\\Schach\\$(basename "$zip" .zip)"
close_window
wait "$program" || fail "closed, it ended with status $?"
(cd "$unpacked" && find . -name '*.dll') | while read -r dll; do
    grep -qiF "$(basename "$dll")" "$work/loaded" || fail "the zip brings $dll, which the program never loads"
done
echo "installer and zip: all checks passed"
