# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers

# Orvane's Huygens–Fresnel window: the field of 7 sources, a left click's phasor panel, a right
# press's scan with its bars and red cut line, "Menu" and back by the menu's button bringing it in
# front of the menu again (no window manager raises it), and the close box ending the program.
menu="Huyghenssches Prinzip - Zeigerformalismus"
huygens=" Huygen-Fresnel Prinzip und Zeigerdarstellung"
# The window covers the screen with x −300..3700 and y −1500..1425.
hx() { echo $(( ($1 + 300) * 1280 / 4000 )); }
hy() { echo $(( ($1 + 1500) * 1024 / 2925 )); }

"$build/orvane/orvane" &
pid=$!
expect_window "$menu"
click "$(px 1627)" "$(px 4267)"   # "Huyghenssches Prinzip"
expect_window "$huygens"
screenshot "" 0.8
expect_some "$(hx -20)" "$(hy -160)" 14 $(( $(hy 160) - $(hy -160) )) "0,0,0" 50 "source dots on x = 0"
expect_some "$(hx 1500)" "$(hy -1000)" 400 400 "0,0,0" 200 "circles of the field"
expect_none 0 "$(hy -1000)" 1280 800 "255,0,0" "no red before a press"
click "$(hx 1000)" "$(hy 200)" 1 0.5
screenshot ""
# The panel stands with its top-left corner at the pointer: its chain ends in a red resultant.
expect_some "$(hx 1000)" "$(hy 200)" 350 320 "255,0,0" 20 "red resultant in the panel"
click "$(hx 2000)" "$(hy 0)" 3 6.5   # right press: the scan runs about 5 s
screenshot orvane-huygens-scan
expect_some "$(( $(hx 2000) - 2 ))" "$(hy -1400)" 5 300 "255,0,0" 200 "red cut line at x = 2000"
expect_some "$(px 120)" "$(px 7800)" "$(px 6975)" "$(px 2895)" "255,0,0" 2000 "bars of the amplitude plot"
click "$(px 4207)" "$(px 187)" 1 0.8   # "Menu" (3600, 0, 1215 × 375 twips)
screenshot ""
# The menu (8625 × 8340 twips at the top-left corner) shows its yellow, which the field has nowhere.
expect_some 0 0 "$(px 8625)" "$(px 8340)" "255,255,128" 10000 "the menu after \"Menu\""
click "$(px 1627)" "$(px 4267)" 1 0.8   # the menu's "Huyghenssches Prinzip"
screenshot ""
expect_none 0 0 "$(px 8625)" "$(px 8340)" "255,255,128" "Huygens–Fresnel window in front of the menu again"
close_window "$huygens"
expect_exit $pid "closing the Huygens–Fresnel window"
