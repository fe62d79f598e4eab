#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Prints the copyright and licence (the SIL OFL 1.1) of Liberation Sans, which the Windows and
# the browser builds carry: the first paragraph of Debian's copyright file of fonts-liberation2,
# unfolded from its indented form. Fails when the file holds no OFL text.
set -euo pipefail
copyright=/usr/share/doc/fonts-liberation2/copyright
# The x keeps the trailing empty line, which $(...) would drop.
text=$(awk '/^Files: debian/ { exit } /^(Copyright|License):/ || /^ / { print }' "$copyright" |
    sed -e 's/^ \.$//' -e 's/^ //'; echo x)
if [[ "$text" != *"SIL OPEN FONT LICENSE Version 1.1"* ]]; then
    echo "font-licence: no OFL text in $copyright (package fonts-liberation2)" >&2
    exit 1
fi
printf '%s' "${text%x}"
