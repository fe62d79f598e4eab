#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Prints the Debian revision of a source package as the file "sources" names it, which
# scripts/windows-qt and scripts/web-qt write beside the Qt they build ("qt6-base 6.4.2+dfsg-10",
# one package a line): the read-me files of the Windows and the browser folders name them.
# Fails, saying why, when the file or the package is not there.
#   packaging/source-revision.sh <sources file> <package>
set -euo pipefail
(($# == 2)) || { echo "usage: source-revision.sh <sources file> <package>" >&2; exit 2; }
if [[ ! -f "$1" ]]; then
    echo "source-revision: no $1 (scripts/windows-qt and scripts/web-qt write it with the Qt they build)" >&2
    exit 1
fi
value=$(sed -n "s/^$2 \([^ ]*\)\$/\1/p" "$1")
if [[ -z "$value" ]]; then
    echo "source-revision: $1 names no revision of $2" >&2
    exit 1
fi
echo "$value"
