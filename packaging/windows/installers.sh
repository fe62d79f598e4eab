#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Makes the two installers of a folder that stage.sh made: wellenlehre-<version>-setup.exe
# (NSIS, wellenlehre.nsi: per user or for all users, with pages) and
# wellenlehre-<version>-x64.msi (wixl, wellenlehre.wxs: per machine, for deployment tools).
# Prints the two, one a line.
#   packaging/windows/installers.sh <folder> <version> <output folder>
set -euo pipefail
(($# == 3)) || { echo "usage: installers.sh <folder> <version> <output folder>" >&2; exit 2; }
folder=$(cd "$1" && pwd)
version=$2
mkdir -p "$3"
out=$(cd "$3" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
setup=$out/wellenlehre-$version-setup.exe
msi=$out/wellenlehre-$version-x64.msi

# makensis works in the script's folder: absolute paths only.
makensis -V2 -DVERSION="$version" -DSOURCE_DIR="$folder" -DOUTPUT="$setup" "$here/wellenlehre.nsi" >&2

# Every file but the programs, which wellenlehre.wxs names itself for their Start-menu links.
files=$(mktemp --suffix=.wxs)
trap 'rm -f "$files"' EXIT
find "$folder" -type f ! -path "$folder/*.exe" | LC_ALL=C sort |
    wixl-heat -p "$folder/" --var var.SourceDir --directory-ref INSTALLDIR \
        --component-group FolderFiles --win64 >"$files"
rm -f "$msi"
# wixl takes no absolute source path: the files are named from inside the folder.
(cd "$folder" && wixl -a x64 -D Version="$version" -D SourceDir=. -D Win64=yes -o "$msi" \
    "$here/wellenlehre.wxs" "$files")

echo "$setup"
echo "$msi"
