#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Prints the copyright and licence (the SIL OFL 1.1) of Liberation Sans, which the Windows and
# the browser builds carry: the first paragraph of Debian's copyright file of the font's package,
# unfolded from its indented form. Fails when the file holds no OFL text.
#   packaging/font-licence.sh [root]
# The root is the system whose font is shipped (the browser build's Debian 13 root; by default
# this machine). Debian 13 names the package fonts-liberation, Debian 12 fonts-liberation2.
set -euo pipefail
copyright=${1:-}/usr/share/doc/fonts-liberation2/copyright
[[ -f "$copyright" ]] || copyright=${1:-}/usr/share/doc/fonts-liberation/copyright
# The x keeps the trailing empty line, which $(...) would drop.
text=$(awk '/^Files: debian/ { exit } /^(Copyright|License):/ || /^ / { print }' "$copyright" |
    sed -e 's/^ \.$//' -e 's/^ //'; echo x)
if [[ "$text" != *"SIL OPEN FONT LICENSE Version 1.1"* ]]; then
    echo "font-licence: no OFL text in $copyright" >&2
    exit 1
fi
printf '%s' "${text%x}"
