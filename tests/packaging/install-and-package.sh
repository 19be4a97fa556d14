#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# The program as a user gets it, one step a ctest entry:
#   reuse     the tree's licensing, with reuse
#   install   installs the build into OUT/a prefix (the path holds a space), checks the installed
#             files, validates the launcher and the AppStream metadata (both with every language's
#             texts)
#   launcher  starts that install as the desktop's menu does (Exec= in the Path= folder) under Xvfb
#             and clicks a square, then starts it from another folder and reads its report of the
#             missing picture
#   deb       builds the DEB twice with scripts/package in two folders, compares the bytes, reads
#             the package's files and its launcher, and leaves it in OUT
#   lintian   lintian on that DEB (which also reads both manual pages for man's warnings)
# Usage: install-and-package.sh STEP OUT BUILD-FOLDER APP-ID VERSION SOURCE-FOLDER
set -euo pipefail
step=$1
out=$(readlink -f "$2")
build=$(readlink -f "$3")
app_id=$4
version=$5
source=$(readlink -f "$6")
prefix="$out/a prefix"

source "$(dirname "$0")/../fixtures/session.sh"
unset LC_ALL LC_MESSAGES LANGUAGE # the program's language follows LANG alone, English here
export LANG=C.UTF-8
# The value of KEY in a launcher file.
key() { sed -n "s/^$1=//p" "$2"; }
# holds FILE LINE...: FILE holds each LINE.
holds() { for line in "${@:2}"; do grep -qxF -- "$line" "$1" || fail "$1 lacks $line"; done; }

# Every file an install holds, relative to its prefix.
expected_files() {
    printf '%s\n' bin/tessk-research share/tessk-research/pictures/{vi,so}{,ki,lo,fu,ba}.bmp \
        "share/applications/$app_id.desktop" "share/metainfo/$app_id.metainfo.xml" \
        share/icons/hicolor/{16x16/apps/"$app_id".png,32x32/apps/"$app_id".png,scalable/apps/"$app_id".svg} \
        share/man/{,de/}man1/tessk-research.1.gz share/doc/tessk-research/{changelog.gz,copyright} | sort
}

step_reuse() {
    # The licence check covers the source alone. In a checkout reuse leaves out what git ignores (the
    # build folders); a release tarball has no git, so reuse reads a copy without those folders.
    licensed=$source
    if [[ ! -e $source/.git ]]; then
        licensed="$work/source"
        mkdir "$licensed"
        tar -C "$source" --exclude='./build*' --exclude=./.cache -cf - . | tar -C "$licensed" -xf -
    fi
    (cd "$licensed" && reuse lint) >"$work/reuse.log" 2>&1 || { cat "$work/reuse.log"; fail "reuse lint"; }
}

step_install() {
    rm -rf "$prefix"
    cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; }
    diff <(expected_files) <(cd "$prefix" && find . -type f -printf '%P\n' | sort) ||
        fail "the installed files differ (< expected, > installed)"

    launcher="$prefix/share/applications/$app_id.desktop"
    metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
    desktop-file-validate "$launcher" || fail "desktop-file-validate"
    appstreamcli validate --pedantic --no-net "$metainfo" >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; fail "appstreamcli validate"; }
    # Only the note on the capitals of the id may stay: the id is the program's name on every desktop.
    ! grep -E '^[EWIP]: ' "$work/appstream.log" | grep -vE ':[0-9]+: cid-contains-uppercase-letter$' ||
        fail "appstreamcli validate --pedantic has more to say"

    # The menu finds the launcher's icon, and a software centre the metadata's launcher.
    [[ -f $prefix/share/icons/hicolor/scalable/apps/$(key Icon "$launcher").svg ]] || fail "no icon $(key Icon "$launcher")"
    launchable=$(sed -n 's|.*<launchable type="desktop-id">\(.*\)</launchable>.*|\1|p' "$metainfo")
    [[ -f $prefix/share/applications/$launchable ]] || fail "no launcher '$launchable' for the metadata"
    # Each language's texts are in both: three keys of the launcher, and the summary, the description's
    # two paragraphs and the screenshot's caption.
    for language in $(grep '^[a-z]' "$source/translations/LINGUAS"); do
        [[ $(grep -c "^\(GenericName\|Comment\|Keywords\)\[$language\]=" "$launcher") == 3 &&
            $(grep -c "xml:lang=\"$language\"" "$metainfo") == 4 ]] || fail "the launcher or the metadata lacks $language"
    done
}

step_launcher() {
    launcher="$prefix/share/applications/$app_id.desktop"
    pictures="$prefix/share/tessk-research/pictures"
    start_xvfb
    export XDG_RUNTIME_DIR="$work/runtime" # as in a desktop session
    mkdir -m 700 "$XDG_RUNTIME_DIR"

    # Exec= quotes an argument as the shell's double quotes do (this prefix has no % to undo).
    eval "program=$(key Exec "$launcher")"
    start_program "$(key Path "$launcher")" "$program"

    icons=$(xprop -id "$window" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | tr '\n' ' ')
    [[ $icons == "Icon (16 x 16) Icon (32 x 32) " ]] || fail "the window's icons are: $icons"
    xprop -id "$window" WM_CLASS | grep -qF "\"$(key StartupWMClass "$launcher")\"" ||
        fail "StartupWMClass= does not match $(xprop -id "$window" WM_CLASS)"

    # Square 0 shows its plain light colour, read from no file, which is the empty square's picture; a
    # real click on it shows the installed knight picture: the pictures are found from Path=.
    eval "$(xdotool getwindowgeometry --shell "$window")"
    wait_until shows $((X + 1)) $((Y + 1)) "$pictures/vi.bmp" || fail "square 0 does not show its first colour"
    xdotool mousemove --window "$window" 36 36 click 1
    wait_until shows $((X + 1)) $((Y + 1)) "$pictures/vilo.bmp" || fail "square 0 does not show the knight"
    kill -0 "$program_pid" || fail "the program has stopped"
    [[ ! -s $work/program.log && ! -s $work/program.out ]] || { cat "$work/program.out"; fail "the program wrote to its output"; }
    echo "the installed program started from its launcher and showed the knight"

    # ---- the installed program started from another folder: the report of the missing picture says
    # where the installed pictures are
    elsewhere="$work/elsewhere"
    mkdir "$elsewhere"
    kill "$program_pid" && wait "$program_pid" || true
    start_program "$elsewhere" "$prefix/bin/tessk-research"
    xdotool mousemove --window "$window" 36 36 click 1
    wait_until test -s "$work/program.log" || fail "no report on standard error"
    report=$(cat "$work/program.log")
    # The report's line on standard error names the program, the file, the folder and the reason.
    [[ $report == "tessk-research: "*"\"vilo.bmp\""*"\"$elsewhere\": there is no such file."*"installed in \"$pictures\""* ]] ||
        fail "the report on standard error: $report"
    # (The command it suggests, quoted for the shell, is tst_installedpictures'.)
    echo "the installed program started elsewhere says: ${report#*no such file. }"
}

# The Debian package, as scripts/package builds it, in two folders at different depths.
# package FOLDER: builds the DEB there with scripts/package and prints the path of the one DEB.
package() {
    "$source/scripts/package" "$1" >"$work/package.log" 2>&1 || { cat "$work/package.log"; fail "scripts/package"; } >&2
    local debs=("$(tail -n1 "$work/package.log")"/*.deb)
    ((${#debs[@]} == 1)) || fail "scripts/package made ${#debs[@]} packages" >&2
    echo "${debs[0]}"
}
step_deb() {
    rm -f "$out"/*.deb
    deb=$(package "$work/package-1")
    cmp "$deb" "$(package "$work/deeper/package-2")" || fail "two builds of one commit give different packages"
    [[ $(basename "$deb") == "tessk-research_${version}_$(dpkg --print-architecture).deb" ]] || fail "the package is $deb"
    diff <(expected_files | sed 's|^|usr/|') <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort) ||
        fail "the package's files differ (< expected, > in the package)"

    dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/applications/$app_id.desktop" >"$work/$app_id.desktop"
    holds "$work/$app_id.desktop" Path=/usr/share/tessk-research/pictures Exec=/usr/bin/tessk-research
    echo "$(basename "$deb"): $(dpkg-deb -f "$deb" Depends)"
    cp "$deb" "$out/"
}

step_lintian() {
    local debs=("$out"/*.deb)
    lintian --pedantic --display-info "${debs[@]}" >"$work/lintian.log" 2>"$work/lintian.err" ||
        { cat "$work/lintian.log" "$work/lintian.err"; fail "lintian"; }
    [[ ! -s $work/lintian.log ]] || { cat "$work/lintian.log"; fail "lintian has tags"; }
}

case $step in
reuse | install | launcher | deb | lintian) "step_$step" ;;
*) fail "no step '$step'" ;;
esac
