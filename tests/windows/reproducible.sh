#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# reproducible.sh SOURCE PACKAGES NAME TOOLCHAIN QT
# Builds the program and its packages a second time, from SOURCE in a folder of the test's own,
# against the same Qt (QT) with the same toolchain file, and compares the zip, the installer and
# the MSI, byte for byte, with the first build's in PACKAGES.
set -euo pipefail
source=$1 packages=$2 name=$3 toolchain=$4 qt=$5
source "$(dirname "$0")/../fixtures/session.sh"
for suffix in .zip -setup.exe .msi; do
    [[ -f $packages/$name$suffix ]] || fail "no $packages/$name$suffix: build the target windows-packages first"
done
cmake -S "$source" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_PREFIX_PATH="$qt" \
    -DCMAKE_BUILD_TYPE=Release -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DBUILD_TESTING=OFF -DTESSK_PACKAGE_DIR="$work/packages" >"$work/configure.log" ||
    { cat "$work/configure.log"; fail "the second build's configure step failed"; }
cmake --build "$work/build" --parallel "$(nproc)" --target windows-packages >"$work/build.log" 2>&1 ||
    { tail -n 50 "$work/build.log"; fail "the second build failed"; }
for suffix in .zip -setup.exe .msi; do
    cmp "$packages/$name$suffix" "$work/packages/$name$suffix" || fail "two builds of one commit differ in $name$suffix"
done
echo "same bytes: the zip, the installer and the MSI"
