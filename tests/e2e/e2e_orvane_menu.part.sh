# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers

# Orvane's start menu: its colours and texts, and every way of ending the program.
menu="Huyghenssches Prinzip - Zeigerformalismus"

"$build/orvane/orvane" &
pid=$!
expect_window "$menu"
screenshot orvane-menu
expect_pixel 3 3 "255,255,128" "menu background"
# The caption's bold letters stand in Label1 (1320, 120, 5775 × 975 twips).
expect_some "$(px 1320)" "$(px 120)" "$(px 5775)" "$(px 975)" "0,0,0" 100 "menu title text"
# Nothing is drawn right of Label2's column.
expect_none "$(px 8100)" "$(px 1200)" 20 "$(px 6000)" "0,0,0" "menu right margin"
click "$(px 1500)" "$(px 7700)"   # "Ende"
expect_exit $pid "Ende"

"$build/orvane/orvane" &
pid=$!
expect_window "$menu"
close_window "$menu"
expect_exit $pid "closing the start menu"
