#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# The real program in a real X server: click square 0 with xdotool, then check in a
# screenshot that the square shows the knight picture, pixel for pixel.
# Usage: click-in-xvfb.sh PROGRAM PICTURES-FOLDER
set -euo pipefail
program=$1
pictures=$(readlink -f "$2")
source "$(dirname "$0")/../session.sh"

start_xvfb
start_program "$pictures" "$program"
convert -size 70x70 xc:'rgb(192,192,128)' "$work/first.png"
wait_until_square_0_shows "$work/first.png"

xdotool mousemove --window "$window" 36 36 click 1
wait_until_square_0_shows "$pictures/vilo.bmp"
echo "square 0 shows vilo.bmp after a real click"
