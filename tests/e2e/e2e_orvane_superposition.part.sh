# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers

# Orvane's superposition window: opened from the menu, W1 runs as grey columns with a green
# marker column at point 50, "Menu" returns to the start menu, whose close box ends the program.
menu="Huyghenssches Prinzip - Zeigerformalismus"
superposition="Superposition von Wellen - Phasenzeiger"
# The window's client area is 99 % of the screen; its wave surface stands at (10, 1350) of its
# 3000 × 3000 units, 3950 × 1500 of them, with x −10..2990 and y 0..1000 of its own.
wx() { echo $(( (10 + ($1 + 10) * 3950 / 3000) * 1267 / 3000 )); }
wy() { echo $(( (1350 + $1 * 1500 / 1000) * 1013 / 3000 )); }

"$build/orvane/orvane" &
pid=$!
expect_window "$menu"
click "$(px 1747)" "$(px 1507)"   # "Zeigerformalismus"
expect_window "$superposition"
expect_no_window "$menu"
screenshot ""
expect_pixel "$(px 2200)" "$(px 3700)" "224,224,224" "left column background"
click "$(px 1087)" "$(px 367)" 1 0.8   # "Start W1/Menu"
screenshot orvane-superposition-running
expect_some 0 "$(wy 80)" 1260 $(( $(wy 280) - $(wy 80) )) "128,128,128" 200 "grey columns of W1"
expect_some $(( $(wx 1500) - 6 )) "$(wy 80)" 12 $(( $(wy 280) - $(wy 80) )) "0,200,0" 10 "green marker column at point 50"
expect_none 0 "$(wy 330)" 1260 $(( $(wy 510) - $(wy 330) )) "128,128,128" "no W2 row while W2 is off"
click "$(px 1087)" "$(px 367)" 1 0.5   # now "Menu"
expect_window "$menu"
expect_no_window "$superposition"
close_window "$menu"
expect_exit $pid "closing the menu after the superposition window"
