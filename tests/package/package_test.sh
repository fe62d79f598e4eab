#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Builds the Debian package, unpacks it into a fresh root, validates its menu entries and
# metadata, and starts every program from its installed path, headless.
set -euo pipefail
build_dir=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

cd "$build_dir"
cpack -G DEB >/dev/null
package=$(ls -t wellenlehre_*.deb | head -n 1)
dpkg-deb -x "$package" "$root"

depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    grep -q "$library" <<<"$depends" || { echo "Depends lacks $library: $depends"; exit 1; }
done

for program in orvane kestrup tilmora; do
    desktop="$root/usr/share/applications/io.github.wellenlehre.$program.desktop"
    desktop-file-validate "$desktop"
    appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.wellenlehre.$program.metainfo.xml" >/dev/null
    test -s "$root/usr/share/icons/hicolor/scalable/apps/$program.svg"
    exec_line=$(sed -n 's/^Exec=//p' "$desktop")
    test "$exec_line" = "$program"
    # The program shows its window and runs until it is closed; still running after two
    # seconds means it started.
    status=0
    QT_QPA_PLATFORM=offscreen timeout 2 "$root/usr/bin/$exec_line" >"$root/$program.log" 2>&1 || status=$?
    if [[ $status -ne 124 ]]; then
        echo "$program ended with status $status:"
        cat "$root/$program.log"
        exit 1
    fi
done
echo "package $package: installed and started orvane, kestrup, tilmora"
