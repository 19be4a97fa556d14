#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# install-and-run.sh PACKAGES OLDER CLEAN
# What only the packages themselves can show, under Wine on an Xvfb of its own, in a copy of the
# fresh prefix CLEAN (Windows 10), in a German locale. PACKAGES and OLDER are the paths of this
# version's packages and an older version's without their endings (.zip, -setup.exe, .msi).
# - An administrator: the table below, one case a row, each a state, a command, the status it
#   ends with and what it leaves. The installer's and the MSI's program is started once through
#   its Start-menu shortcut: it runs in its folder.
# - A user: the zip unpacked into a folder with a non-ASCII name and started there, in a Spanish
#   locale, speaks Spanish and ends with status 0 when its window is closed. Every program and DLL
#   in it is hardened, and the program carries its manifest. (The installs hold the zip's files.)
# What the window does is the window's tests' (tst_form1 runs under Wine too).
set -euo pipefail
new=$(readlink -f "$1") older=$(readlink -f "$2") clean=$(readlink -f "$3")
source "$(dirname "$0")/../fixtures/session.sh"
for package in "$new".zip "$new"-setup.exe "$new".msi "$older"-setup.exe "$older".msi; do
    [[ -f $package ]] || fail "no $package: build the target windows-packages first"
done
[[ -f $clean/system.reg ]] || fail "no Wine prefix in $clean: the test wine_prefix makes it"
export WINEPREFIX=$work/prefix WINEDEBUG=-all,err+all WINEDLLOVERRIDES="mscoree,mshtml="
# What Wine reports as an error goes to the log that a failure shows first.
wine() { command wine "$@" 2>>"$work/program.log"; }
# The X server goes first: nothing may hold the test's output open once it has ended.
at_exit 'kill "${tracked[@]}"'
at_exit 'wineserver --kill'

# Wine takes the Windows locale from the Unix one, which needs to exist: one of the test's own.
mkdir -p "$work/locale"
for locale in de_DE es_ES; do
    localedef -i $locale -f UTF-8 "$work/locale/$locale.UTF-8" || [[ -f $work/locale/$locale.UTF-8/LC_CTYPE ]]
done
export LOCPATH=$work/locale LANG=de_DE.UTF-8
# Bash itself looks for the locale where LOCPATH pointed when it started, and warns; Wine finds it.
unset LC_ALL LC_CTYPE LC_NUMERIC LC_MESSAGES 2>/dev/null
start_xvfb 1280x1024x24
cp -a "$clean" "$WINEPREFIX"
drive=$WINEPREFIX/drive_c
snapshot() { (cd "$drive" && find . && sed -n 's/^\(\[[^]]*\]\).*/\1/p' ../*.reg) | LC_ALL=C sort; }
snapshot >"$work/clean"
name=$(basename "$new")
# The files every install holds, as the zip holds them.
(cd "$work" && cmake -E tar xf "$new.zip")
(cd "$work/$name" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) >"$work/files"

# The program's windows and its report's, which bear its name, as the X server lists them.
windows_open() { (($(xdotool search --onlyvisible --name '^tessk-research$' 2>/dev/null | wc -l) == $1)); }
focused() { [[ $(xdotool getwindowfocus) == "$1" ]]; }
ended() { wait_until eval "! kill -0 $1 2>/dev/null"; }
copied() { xclip -o -selection clipboard 2>/dev/null | grep "$@" >/dev/null; }
# started: the program has its window, which Wine has given the keyboard (the first square has
# the focus); sets window.
started() {
    wait_until found window '^tessk-research$' || fail "no window appeared"
    wait_until focused "$window" || fail "the window did not get the keyboard"
}
# closed: the close of the window ends the program, and with it Wine's last process. The close
# comes as Windows sends it to a window asked to close (taskkill without /f posts WM_CLOSE, as the
# title bar's button does): a key such as Alt+F4 would go to whichever window Wine had made active,
# which after another program's window has closed is not always the one the X server has focused.
closed() {
    wine taskkill /im tessk-research.exe >/dev/null
    timeout 30 wineserver --wait ||
        fail "the close of the window did not end the program; still running: $(pgrep -a -f '\.exe' | tr '\n' ' ')"
}
# reports_in UNIX-FOLDER WINDOWS-FOLDER: the program runs in that folder: a broken picture there
# brings, at the second press of the first square (to the king), a report that names the folder;
# Return closes it. The report's text stays on the clipboard.
reports_in() {
    head -c 3000 /dev/urandom >"$1/viki.bmp"
    xdotool key space space
    wait_until windows_open 2 || fail "no report for a broken picture"
    xdotool key ctrl+c
    wait_until copied -F "$2" || fail "the report: $(xclip -o -selection clipboard)"
    xdotool key Return
    wait_until windows_open 1 || fail "the report stayed"
}

# --- The administrator's cases ---
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
all_users_shortcut='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\tessk-research.lnk'
# The program's shortcut, as Windows names it: in the Start menu of all users, or in the user's
# own, where Wine's Windows Installer puts the MSI's though the MSI is for all users.
shortcut() {
    local found
    found=$(cd "$drive" && find ProgramData users -path '*/Start Menu/Programs/tessk-research.lnk' | head -n 1)
    [[ -n $found ]] && echo "C:\\${found//\//\\}"
}
unix_path() { sed 's|^C:|'"$drive"'|; s|\\|/|g' <<<"$1"; }
# The program's Apps & features entries, NSIS's or the MSI's, in reg's words: one, or none.
entry() {
    wine reg query "$uninstall_key" /s | tr -d '\r' |
        awk 'BEGIN { RS = "" } /\n *DisplayName +REG_SZ +tessk-research\n/ { print; print "" }'
}
entry_value() { entry | sed -n "s/^ *$1 *REG_[A-Z]* *//p"; }
# Windows' exit statuses reach Unix cut to their lowest 8 bits.
ended_with() { (($1 == $2 % 256)); }

# Commands: each runs one of the packages as an administrator or a deployment tool would.
# The entry's QuietUninstallString runs as Windows runs such a line, from a batch file.
quiet_uninstall() {
    printf '@%s\r\n' "$(entry_value QuietUninstallString)" >"$drive/quiet-uninstall.bat"
    local status=0
    wine cmd /c 'C:\quiet-uninstall.bat' || status=$?
    rm "$drive/quiet-uninstall.bat"
    return $status
}
# The uninstaller as a person may type it, without _?=: it returns at once and leaves the work to
# its copy in the temporary folder, which the Wine server's end waits for.
plain_uninstall() {
    local uninstaller
    uninstaller=$(entry_value UninstallString)
    wine "${uninstaller//\"/}" /S || return
    wineserver --wait
}
setup() { wine "$new-setup.exe" /S "$@"; }
# A person at the screen: the installer asks, in German, to close the program; the person cancels.
person_cancels() {
    wine "$@" &
    local asker=$! question
    wait_until found question '^Installation von tessk-research$' || fail "no question to close the program"
    # It takes keys once Wine has given it the keyboard.
    wait_until focused "$question" || fail "the question did not get the keyboard"
    xdotool key Escape
    ended "$asker" || fail "the question stayed"
    wait "$asker"
}
msi() { wine msiexec "$@" /qn; }

# States a case starts from, besides what the cases before it left.
# The program started from its shortcut, as Windows starts it.
program_runs() {
    wine start "$(shortcut)"
    started
}
older_installed_in() { wine "$older-setup.exe" /S "/D=$1" || fail "the older version did not install"; }
older_msi_installed() { msi /i "$older.msi" || fail "the older MSI did not install"; }
reports_windows() { wine winecfg -v "$1"; }

# What a case leaves.
# installed FOLDER VERSION [LOCATION]: the install's files in FOLDER (the uninstaller besides), the
# shortcut, and the one entry, of that version, that names LOCATION (FOLDER unless told).
installed() {
    local folder
    folder=$(unix_path "$1")
    [[ $(entry_value InstallLocation) == "${3:-$1}" && $(entry_value DisplayVersion) == "$2" &&
        $(entry | grep -c '^HKEY') == 1 ]] || { entry; return 1; }
    diff "$work/files" <(cd "$folder" && find . -type f ! -name 'uninstall*.exe' | sed 's|^\./||' | LC_ALL=C sort) &&
        [[ -n $(shortcut) ]]
}
# installed_in FOLDER: the installer's, with its shortcut for all users and the icon its entry shows.
installed_in() {
    local icon
    icon=$(entry_value DisplayIcon)
    installed "$1" 1.00 && [[ $(shortcut) == "$all_users_shortcut" && -f $(unix_path "${icon%,0}") ]]
}
gone() { [[ ! -e $(unix_path "$1") ]]; }
msi_installed() { installed 'C:\Program Files\tessk-research' 1.0.0 'C:\Program Files\tessk-research\'; }
# unchanged: the same files, times and registry keys as before the case's command.
state() {
    (cd "$drive" && find 'Program Files/tessk-research' older new 'ProgramData/Microsoft/Windows/Start Menu/Programs' \
        -printf '%p %s %T@\n' 2>/dev/null || true) | LC_ALL=C sort
    wine reg query "$uninstall_key" /s | tr -d '\r'
}
unchanged() { diff "$work/state" <(state); }
# nothing_left: as before the first install, but what Windows removes at its next start, the
# Windows Installer's own folder and registry keys that hold no product's or component's code
# (which its first run makes), and the temporary folder, where the uninstaller's copies of itself leave their folders (a Wine server's
# start, Wine's "next start of Windows", removes the copy before its folder, which so stays). The
# registry reaches its file when the Wine server ends.
nothing_left() {
    wineserver --wait
    local pending path
    pending=$(grep -i '^"PendingFileRenameOperations"' "$WINEPREFIX/system.reg" || true)
    LC_ALL=C comm -13 "$work/clean" <(snapshot) | awk '
        BEGIN { h = "[0-9A-F]"; code = h h h h h h h h h h h h h h h h }
        /^\.\/users\/[^\/]*\/Temp\// { next }
        (/^\.\/windows\/Installer$/ || /\\Installer(\\|\])/) && $0 !~ code { next }
        { print }' | while read -r path; do
        grep -qiF "$(sed 's|^\./|C:\\\\|; s|/|\\\\|g' <<<"$path")" <<<"$pending" || { echo "left behind: $path"; exit 1; }
    done
}
# runs_from_shortcut: the program starts from the shortcut in its folder.
runs_from_shortcut() {
    program_runs
    reports_in "$drive/Program Files/tessk-research" 'C:\Program Files\tessk-research'
    closed
}

# case | state before (after the cases above) | command | its status | what it leaves
cases=(
    "silent install                           | -                            | setup                 | 0    | installed_in 'C:\Program Files\tessk-research'"
    "started from its shortcut                | -                            | runs_from_shortcut    | 0    | true"
    "install while the program runs           | program_runs                 | setup                 | 32   | unchanged"
    "quiet uninstall while the program runs   | program_runs                 | quiet_uninstall       | 32   | unchanged"
    "a person asked to close it cancels       | program_runs                 | person_cancels '$new-setup.exe' | 32 | unchanged"
    "quiet uninstall, done when it returns    | -                            | quiet_uninstall       | 0    | nothing_left"
    "over an older version in another folder  | older_installed_in 'C:\older' | setup '/D=C:\new' | 0 | installed_in 'C:\new' && gone 'C:\older'"
    "again over itself                        | -                            | setup                 | 0    | installed_in 'C:\new'"
    "plain uninstall                          | -                            | plain_uninstall       | 0    | nothing_left"
    "install on Windows 7                     | reports_windows win7         | setup                 | 1150 | nothing_left"
    "MSI on Windows 7                         | reports_windows win7         | msi /i '$new.msi'     | 1603 | nothing_left"
    "MSI install                              | -                            | msi /i '$new.msi'     | 0    | msi_installed"
    "MSI's program from its shortcut          | -                            | runs_from_shortcut    | 0    | true"
    "MSI uninstall                            | -                            | msi /x '$new.msi'     | 0    | nothing_left"
    "MSI over an older MSI                    | older_msi_installed          | msi /i '$new.msi'     | 0    | msi_installed"
    "MSI uninstall after the upgrade          | -                            | msi /x '$new.msi'     | 0    | nothing_left"
)
for row in "${cases[@]}"; do
    IFS='|' read -r what before command expected after <<<"$row"
    read -r what <<<"$what"
    [[ $before == *[!\ -]* ]] && eval "$before"
    state >"$work/state"
    status=0
    eval "$command" || status=$?
    ended_with $status $((expected)) || fail "$what: ended with status $status, not $((expected)) (Windows' status cut to 8 bits)"
    eval "$after" || fail "$what: it did not leave what it should ($after)"
    # The program, where the case started it, is closed; Windows 10 again.
    [[ $before == *program_runs* ]] && closed
    [[ $before == *reports_windows* ]] && reports_windows win10
    echo "ok: $what"
done

# --- The zip ---
folder=$drive/users/Zoë/Schach
mkdir -p "$folder"
(cd "$folder" && cmake -E tar xf "$new.zip")
(cd "$folder/$name" && LANG=es_ES.UTF-8 wine tessk-research.exe) &
program=$!
started
reports_in "$folder/$name" "C:\\users\\Zoë\\Schach\\$name"
# In the user's language: the report and the loader's reason, Qt's own button, and the sum box
# (the next control) with the user's decimal comma.
copied -F "No se puede mostrar la imagen «viki.bmp» de la carpeta «C:\\users\\Zoë\\Schach\\$name»: no es una imagen" &&
    copied '^Aceptar   ' ||
    fail "the report is not in Spanish: $(xclip -o -selection clipboard)"
xdotool windowfocus --sync "$window"
xdotool key Tab ctrl+a ctrl+c
wait_until copied -xF 0,03125 || fail "the sum reads '$(xclip -o -selection clipboard)', not 0,03125"
closed
wait "$program" || fail "closed, it ended with status $?"
# Address space layout randomisation with high-entropy addresses, and no code run from data: the
# PE header's DllCharacteristics 0x20, 0x40 and 0x100.
(cd "$folder/$name" && find . -name '*.exe' -o -name '*.dll') | while read -r binary; do
    flags=$(x86_64-w64-mingw32-objdump -p "$folder/$name/$binary" | sed -n 's/^DllCharacteristics[[:space:]]*//p')
    (((16#$flags & 0x160) == 0x160)) || fail "$binary is not hardened: DllCharacteristics $flags"
done
# The program carries its manifest (what it says is packaging/windows' own file).
grep -qaF '>PerMonitorV2</dpiAwareness>' "$folder/$name/tessk-research.exe" || fail "the program carries no manifest"
echo "installer, MSI and zip: all checks passed"
