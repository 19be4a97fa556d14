#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# install-and-run.sh INSTALLER ZIP
# The Windows program as a user meets it, under Wine on an Xvfb of its own, in a fresh prefix and
# a German locale. The installer installs it silently and it is started through its Start-menu
# shortcut; then the zip is unpacked into a folder with a non-ASCII name and started there, in a
# Spanish locale. Each time a key and a click show their pieces' pictures and the sum (read back
# through the clipboard), a broken picture brings the report in the user's language, naming the
# folder it was started in, with Qt's own word for OK, and the program stays up until the close
# button of its title bar ends it (with status 0, where the test started it itself). The silent
# uninstall leaves nothing behind but what Windows deletes at its next start, and the zip holds no
# DLL that the program does not load.
set -euo pipefail
installer=$(readlink -f "$1") zip=$(readlink -f "$2")
source "$(dirname "$0")/../session.sh"
[[ -f $installer && -f $zip ]] || fail "no installer or zip: build the target windows-packages first"
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver --kill 2>/dev/null; cleanup' EXIT

# Wine takes the Windows locale from the Unix one, which needs to exist: one of the test's own.
mkdir -p "$work/locale"
for locale in de_DE es_ES; do
    localedef -i $locale -f UTF-8 "$work/locale/$locale.UTF-8" || [[ -f $work/locale/$locale.UTF-8/LC_CTYPE ]]
done
export LOCPATH=$work/locale LANG=de_DE.UTF-8
unset LC_ALL LC_CTYPE LC_NUMERIC LC_MESSAGES
start_xvfb 1280x1024x24
wineboot --init 2>/dev/null
# Xvfb has no window manager: Wine draws each window's frame and title bar itself, as Windows does.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
wineserver --wait
snapshot() { (cd "$WINEPREFIX/drive_c" && find . && sed -n 's/^\(\[[^]]*\]\).*/\1/p' ../*.reg) | LC_ALL=C sort; }
snapshot >"$work/before"

windows_open() { (($(xdotool search --onlyvisible --name '^tessk-research$' | wc -l) == $1)); }
click() { xdotool mousemove $((left + $1)) $((top + $2)) click 1; }
copied() { xclip -o -selection clipboard 2>/dev/null | grep "$@" >/dev/null; }
sum_is() {
    click 300 600
    xdotool key ctrl+a ctrl+c
    wait_until copied -xF "$1" || fail "the sum reads '$(xclip -o -selection clipboard)', not '$1'"
}
# exercise UNIX-FOLDER WINDOWS-FOLDER REPORT OK: the program is up, started in that folder; a broken
# picture's report reads REPORT (%s: the folder) and its button OK.
exercise() {
    wait_until windows_open 1 || fail "no window appeared"
    eval "$(xdotool search --onlyvisible --name '^tessk-research$' getwindowgeometry --shell)"
    # Wine's frame is as wide on the left, the right and the bottom.
    border=$(((WIDTH - 576) / 2)) left=$((X + border)) top=$((Y + HEIGHT - 615 - border))
    xdotool key space # the first square has the focus
    sum_is 0,03125
    click 108 36
    sum_is 0,0625
    wait_until shows $((left + 1)) $((top + 1)) "$1/vilo.bmp" && wait_until shows $((left + 73)) $((top + 1)) "$1/solo.bmp" ||
        fail "a square does not show its picture"
    head -c 3000 /dev/urandom >"$1/viki.bmp"
    click 36 36
    wait_until windows_open 2 || fail "no report for a broken picture"
    xdotool key ctrl+c
    # shellcheck disable=SC2059 # the report is the format
    wait_until copied -F "$(printf "$3" "$2")" || fail "the report: $(xclip -o -selection clipboard)"
    copied "^$4   " || fail "the report's button is not $4: $(xclip -o -selection clipboard)"
    xdotool key Return
    sum_is 0,0625 # and the report is gone: it holds the window while it is open
    xdotool mousemove $((X + WIDTH - border - 12)) $((Y + border + 10)) click 1 # the close button
    wait_until windows_open 0 || fail "the close button did not close the window"
}

wine "$installer" /S || fail "the silent install ended with status $?"
installed=$WINEPREFIX/drive_c/Program\ Files/tessk-research
wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\tessk-research' >"$work/entry" || fail "no Apps & features entry"
(($(grep -c -e 'DisplayVersion *REG_SZ *1\.00' -e 'Publisher *REG_SZ *tessk-research developers' \
    -e 'DisplayIcon .*\\tessk-research\.exe' -e 'QuietUninstallString .*uninstall\.exe" /S' "$work/entry") == 4)) ||
    fail "the Apps & features entry lacks a value: $(<"$work/entry")"
# The shortcut's working folder is the one the report names.
wine start 'C:\ProgramData\Microsoft\Windows\Start Menu\Programs\tessk-research.lnk'
exercise "$installed" 'C:\Program Files\tessk-research' 'Das Bild „viki.bmp“ aus dem Ordner „%s“ kann nicht angezeigt werden: Die Datei ist kein Bild' OK
wine "$installed/uninstall.exe" /S || fail "the silent uninstall ended with status $?"
wineserver --wait
# The uninstaller's copy of itself in the temporary folder cannot delete itself while it runs.
pending=$(grep -i '^"PendingFileRenameOperations"' "$WINEPREFIX/system.reg" || true)
LC_ALL=C comm -13 "$work/before" <(snapshot) | while read -r path; do
    grep -qiF "$(sed 's|^\./|C:\\\\|; s|/|\\\\|g' <<<"$path")" <<<"$pending" || fail "the uninstall left behind $path"
done

name=$(basename "$zip" .zip)
folder=$WINEPREFIX/drive_c/users/Zoë/Schach
mkdir -p "$folder"
(cd "$folder" && cmake -E tar xf "$zip")
(cd "$folder/$name" && LANG=es_ES.UTF-8 WINEDEBUG=-all,+loaddll exec wine tessk-research.exe 2>"$work/loaded") &
program=$!
exercise "$folder/$name" "C:\\users\\Zoë\\Schach\\$name" \
    'No se puede mostrar la imagen «viki.bmp» de la carpeta «%s»: no es una imagen' Aceptar
wait "$program" || fail "closed, it ended with status $?"
(cd "$folder/$name" && find . -name '*.dll') | while read -r dll; do
    grep -qiF "${dll##*/}" "$work/loaded" || fail "the zip brings $dll, which the program never loads"
done
echo "installer and zip: all checks passed"
