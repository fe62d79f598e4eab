# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers

# Kestrup: the line of Welle1 moves at start; "Zeiger" of Welle1 adds blue phasors; "Ende" and the
# close box end the program with status 0.
kestrup="Zeigerdarstellung für zwei Wellen"
# The window takes 96 % of the screen: 4000 × 2925 form units from (−100, −1500).
kx() { echo $(( ($1 + 100) * 1229 / 4000 )); }
ky() { echo $(( ($1 + 1500) * 983 / 2925 )); }

"$build/kestrup/kestrup" &
pid=$!
expect_window "$kestrup"
screenshot "" 1
# Row 1 swings 60 form units about y = 0.
expect_some 0 "$(ky -70)" 1200 $(( $(ky 70) - $(ky -70) )) "0,0,0" 200 "line of Welle1"
expect_none 0 "$(ky -70)" 1200 $(( $(ky 70) - $(ky -70) )) "0,0,255" "no phasors before Zeiger is checked"
# "Zeiger" of Welle1: Frame1 stands at (600, −1300), the box 120, 480 twips inside it.
click $(( $(kx 600) + 8 + 10 )) $(( $(ky -1300) + 32 + 10 )) 1 0.6
screenshot kestrup-phasors
expect_some 0 "$(ky -70)" 1200 $(( $(ky 70) - $(ky -70) )) "0,0,255" 100 "blue phasors of Welle1"
click "$(kx 1500)" "$(ky -805)"   # "Ende"
expect_exit $pid "Kestrup's Ende"

"$build/kestrup/kestrup" &
pid=$!
expect_window "$kestrup"
close_window "$kestrup"
expect_exit $pid "closing Kestrup while it runs"
