#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Installs the build into a fresh prefix whose path holds a space, checks the installed files,
# validates the launcher and the AppStream metadata, starts the program as the desktop's menu does
# (Exec= in the Path= folder) under Xvfb and clicks a square, then builds the DEB with cpack and
# reads its control data, its files and its launcher.
# Usage: install-and-package.sh BUILD-FOLDER APP-ID VERSION
set -euo pipefail
build=$(readlink -f "$1")
app_id=$2
version=$3

source "$(dirname "$0")/../session.sh"
# The value of KEY in a launcher file.
key() { sed -n "s/^$1=//p" "$2"; }

# Every file an install holds, relative to its prefix.
expected_files() {
    {
        echo bin/tessk-research
        for picture in vi viki vilo vifu viba so soki solo sofu soba; do
            echo "share/tessk-research/pictures/$picture.bmp"
        done
        echo "share/applications/$app_id.desktop"
        echo "share/icons/hicolor/16x16/apps/$app_id.png"
        echo "share/icons/hicolor/32x32/apps/$app_id.png"
        echo "share/icons/hicolor/scalable/apps/$app_id.svg"
        echo "share/metainfo/$app_id.metainfo.xml"
    } | sort
}

# ---- cmake --install
prefix="$work/a prefix"
cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; }
diff <(expected_files) <(cd "$prefix" && find . -type f -printf '%P\n' | sort) ||
    fail "the installed files differ (< expected, > installed)"

launcher="$prefix/share/applications/$app_id.desktop"
metainfo="$prefix/share/metainfo/$app_id.metainfo.xml"
desktop-file-validate "$launcher" || fail "desktop-file-validate"
appstreamcli validate --no-net "$metainfo" >"$work/appstream.log" 2>&1 || { cat "$work/appstream.log"; fail "appstreamcli validate"; }

pictures="$prefix/share/tessk-research/pictures"
[[ $(key Path "$launcher") == "$pictures" ]] || fail "Path= is $(key Path "$launcher")"
[[ $(key Exec "$launcher") == "\"$prefix/bin/tessk-research\"" ]] || fail "Exec= is $(key Exec "$launcher")"
[[ $(key Icon "$launcher") == "$app_id" ]] || fail "Icon= is $(key Icon "$launcher")"
for line in "<id>$app_id</id>" "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "<release version=\"$version\""; do
    grep -qF "$line" "$metainfo" || fail "the metadata lacks $line"
done

# The scalable icon shows what the two drawn sizes show.
for size in 16 32; do
    rsvg-convert -w "$size" -h "$size" "$prefix/share/icons/hicolor/scalable/apps/$app_id.svg" -o "$work/svg-$size.png"
    differing=$(compare -metric AE -fuzz 1% "$work/svg-$size.png" \
        "$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png" null: 2>&1 || true)
    [[ $differing == 0 ]] || fail "the scalable icon at $size differs from the $size icon in $differing pixels"
done

# ---- the installed program, started as the menu starts it
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

# A click on square 0 shows the installed knight picture: the pictures are found from Path=.
xdotool mousemove --window "$window" 36 36 click 1
wait_until_square_0_shows "$pictures/vilo.bmp"
kill -0 "$program_pid" || fail "the program has stopped"
[[ ! -s $work/program.log ]] || { cat "$work/program.log"; fail "the program wrote to its output"; }
echo "the installed program started from its launcher and showed the knight"

# ---- the Debian package
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/deb" >"$work/cpack.log" 2>&1 || { cat "$work/cpack.log"; fail "cpack"; }
debs=("$work"/deb/*.deb)
((${#debs[@]} == 1)) || fail "cpack made ${#debs[@]} packages"
deb=${debs[0]}
[[ $(basename "$deb") == "tessk-research_${version}_$(dpkg --print-architecture).deb" ]] || fail "the package is $deb"
dpkg-deb -I "$deb"

[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "Version: $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libc6; do
    [[ ", $depends," == *", $library "* || ", $depends," == *", $library,"* ]] || fail "Depends lacks $library: $depends"
done

diff <(expected_files | sed 's|^|usr/|') <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort) ||
    fail "the package's files differ (< expected, > in the package)"

dpkg-deb --fsys-tarfile "$deb" | tar -xO "./usr/share/applications/$app_id.desktop" >"$work/$app_id.desktop"
desktop-file-validate "$work/$app_id.desktop" || fail "desktop-file-validate on the package's launcher"
[[ $(key Path "$work/$app_id.desktop") == /usr/share/tessk-research/pictures ]] ||
    fail "the package's Path= is $(key Path "$work/$app_id.desktop")"
[[ $(key Exec "$work/$app_id.desktop") == /usr/bin/tessk-research ]] ||
    fail "the package's Exec= is $(key Exec "$work/$app_id.desktop")"
echo "$(basename "$deb"): $depends"
