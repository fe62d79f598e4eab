# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers

# Tilmora: "Start/Stopp" lights its indicator and runs the W1 bars; the close box ends the program
# while the animation runs.
tilmora="Interferenz zweier kohärenter Wellen -   Darstellung mit Phasenzeigern"
# The window takes 99 % of the screen with a scale of 4000 × 3000; the bars' surface spans
# y 1400..2900 of it with its own 0..1000.
ty() { echo $(( (1400 + $1 * 1500 / 1000) * 1013 / 3000 )); }

"$build/tilmora/tilmora" &
pid=$!
expect_window "$tilmora"
screenshot ""
expect_pixel "$(px 9900)" "$(px 600)" "255,0,0" "Start/Stopp indicator before the start"
expect_none 0 "$(ty 80)" 1260 $(( $(ty 280) - $(ty 80) )) "128,255,0" "no bars before the start"
click "$(px 8460)" "$(px 780)"   # "Start/Stopp"
click "$(px 8460)" "$(px 1500)"  # "Welle 2 on/off"
click "$(px 8460)" "$(px 2220)" 1 0.8  # "Summe  on/off"
screenshot tilmora-running
expect_pixel "$(px 9900)" "$(px 600)" "0,255,0" "Start/Stopp indicator while running"
expect_some 0 "$(ty 80)" 1260 $(( $(ty 280) - $(ty 80) )) "128,255,0" 300 "W1 bars"
expect_some 0 "$(ty 320)" 1260 $(( $(ty 520) - $(ty 320) )) "0,200,255" 300 "W2 bars"
expect_some 0 "$(ty 580)" 1260 $(( $(ty 980) - $(ty 580) )) "255,128,0" 300 "sum bars"
close_window "$tilmora"
expect_exit $pid "closing Tilmora while it runs"
