#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Zips a staged folder into <folder>.zip beside it, so that the same files give the same zip:
# every file stamped with one time, SOURCE_DATE_EPOCH (scripts/windows and scripts/web set it to
# the last commit's), the entries sorted, no owner or Unix times (-X), times written in UTC.
#   packaging/reproducible-zip.sh <folder>
set -euo pipefail
(($# == 1)) || { echo "usage: reproducible-zip.sh <folder>" >&2; exit 2; }
: "${SOURCE_DATE_EPOCH:?reproducible-zip.sh: SOURCE_DATE_EPOCH is not set}"
parent=$(cd "$(dirname "$1")" && pwd)
name=$(basename "$1")
find "$parent/$name" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
rm -f "$parent/$name.zip"
(cd "$parent" && find "$name" | LC_ALL=C sort | TZ=UTC zip -X -9 -q -@ "$name.zip")
