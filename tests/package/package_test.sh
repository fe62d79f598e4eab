#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Builds the Debian package, checks it with lintian (no error, no warning), unpacks it into a
# fresh root, validates its menu entries and metadata, and starts every program from its
# installed path, headless. First, every file of the source tree names its licence (reuse lint).
set -euo pipefail
build_dir=$1
source_dir=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

reuse --root "$source_dir" lint >"$root/reuse.log" || { tail -n 40 "$root/reuse.log"; exit 1; }

cd "$build_dir"
cpack -G DEB >/dev/null
package=$(ls -t wellenlehre_*.deb | head -n 1)
lintian --fail-on error,warning "$package"
dpkg-deb -x "$package" "$root"

depends=$(dpkg-deb -f "$package" Depends)
for library in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
    grep -q "$library" <<<"$depends" || { echo "Depends lacks $library: $depends"; exit 1; }
done
# The captions' font, on its own: as one of alternatives it is never installed where DejaVu is.
grep -qE '(^|, )fonts-liberation2(,|$)' <<<"$depends" || { echo "Depends lacks fonts-liberation2 alone: $depends"; exit 1; }

for program in orvane kestrup tilmora; do
    desktop="$root/usr/share/applications/io.github.wellenlehre.$program.desktop"
    desktop-file-validate "$desktop"
    # Pedantic issues leave the status at 0: any issue line (E:, W:, I: or P:) fails the test, but
    # for AppStream 0.16's (Debian 12) not knowing the <developer> tag that 1.0 (Debian 13) asks for.
    metainfo="$root/usr/share/metainfo/io.github.wellenlehre.$program.metainfo.xml"
    verdict=$(appstreamcli validate --pedantic --no-net "$metainfo") || { echo "$verdict"; exit 1; }
    issues=$(grep -E '^[EWIP]: ' <<<"$verdict" | grep -v ': unknown-tag developer$' || true)
    [[ -z "$issues" ]] || { echo "$verdict"; exit 1; }
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
