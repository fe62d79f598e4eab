# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers

# Reads the figures the benchmarks printed, as lines "<set> <row> <name> <value>" (set offscreen
# or xvfb; a start-up's row is its program), and prints the table: each figure against its target,
# "ok", "MISSED", or "FAILED" when it has no value. Exits with 1 when any figure is not ok.
# Variables: build, cores, load (before) and load_after, for the lines around the table.

# A value that is not a plain number ("nan", a word) counts as missing.
NF == 4 && $4 ~ /^-?[0-9.]+([eE][-+]?[0-9]+)?$/ {
    n = ++count[$1, $2, $3]
    values[$1, $2, $3, n] = $4 + 0
}

# The median of the values taken, or "" when there are none.
function median(set, row, name,    n, i, j, a, t) {
    n = count[set, row, name]
    if (n == 0)
        return ""
    for (i = 1; i <= n; i++) {
        a[i] = values[set, row, name, i]
        for (j = i; j > 1 && a[j - 1] > a[j]; j--) {
            t = a[j]; a[j] = a[j - 1]; a[j - 1] = t
        }
    }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}

function highest(set, row, name,    n, i, m) {
    n = count[set, row, name]
    if (n == 0)
        return ""
    m = values[set, row, name, 1]
    for (i = 2; i <= n; i++)
        if (values[set, row, name, i] > m)
            m = values[set, row, name, i]
    return m
}

function sum(a, b) {
    return a == "" || b == "" ? "" : a + b
}

# The rows that follow belong to one thing: its name stands in the first, its details in the next.
function group(a, b, c) {
    what[1] = a; what[2] = b; what[3] = c
    shown = 0
}

function row(figure, value, target, ok) {
    cells[++rows, 1] = ++shown <= 3 ? what[shown] : ""
    cells[rows, 2] = figure
    cells[rows, 3] = value
    cells[rows, 4] = target
    cells[rows, 5] = ok
}

# `low` and `high` bound the value; "" leaves that side open.
function check(figure, value, format, low, high, target,    ok) {
    if (value == "")
        ok = "FAILED"
    else
        ok = (low == "" || value >= low) && (high == "" || value <= high) ? "ok" : "MISSED"
    if (ok != "ok")
        misses++
    row(figure, value == "" ? "–" : sprintf(format, value), target, ok)
}

function animation(set, name, frameLimit) {
    check("frame CPU (median, unpaced)", median(set, name, "frame_cpu_ms"), "%.3f ms", "", frameLimit,
          "≤ " frameLimit " ms CPU")
    check("frames/s unpaced", median(set, name, "frames_per_second"), "%.0f", 60, "", "≥ 60 (display rate)")
    check("CPU share paced at 60 Hz", median(set, name, "paced_core_percent"), "%.1f %%", "", 10,
          "≤ 10 % of a core")
}

# Under Xvfb the server's CPU time counts too; `cpu` names the figure, which differs for the scan.
function displayed(name, cpu, limit) {
    check("program + X server, paced", sum(median("xvfb", name, cpu "_core_percent"),
          median("xvfb", name, cpu "_server_percent")), "%.1f %%", "", limit, "≤ " limit " % of a core")
    if (name != "huygens_scan")
        check("frames/s paced", median("xvfb", name, "paced_rate"), "%.2f", 59.5, 60.5, "60 ± 0.5")
}

function program(name, displayedLimit,    start) {
    start = name "_startup_bench"
    group(name " program")
    check("first window (median of 5 starts)", median("offscreen", start, "first_window_ms"), "%.0f ms", "",
          300, "≤ 300 ms")
    check("peak memory (highest of 5 starts)", highest("offscreen", start, "peak_mb"), "%.1f MB", "", 80,
          "≤ 80 MB")
    check("Xvfb: peak memory (highest of 2)", highest("xvfb", start, "peak_mb"), "%.1f MB", "",
          displayedLimit, "≤ " displayedLimit " MB")
}

function shares(what, name, cpu,    withheld) {
    printf "  %-28s program %5.1f %%, X server %5.1f %%", what, known(median("xvfb", name, cpu "_core_percent")),
           known(median("xvfb", name, cpu "_server_percent"))
    withheld = median("xvfb", name, "withheld_core_percent")
    if (withheld == "")
        print ""
    else
        printf "; drawing alone %5.1f %%\n", withheld
}

function known(value) {
    return value == "" ? -1 : value
}

# Characters, not bytes: every byte but a UTF-8 continuation byte starts one.
function width(text) {
    gsub(/[\200-\277]/, "", text)
    return length(text)
}

function line(cells, r,    i, text) {
    text = cells[r, 1]
    for (i = 2; i <= 5; i++)
        text = text sprintf("%" (widths[i - 1] - width(cells[r, i - 1]) + 2) "s", "") cells[r, i]
    sub(/ +$/, "", text)
    print text
}

END {
    group("superposition", "orvane Form2, all on")
    animation("offscreen", "superposition", 0.25)
    circles = median("offscreen", "huygens_field", "circles")
    group("Huygens field redraw", "orvane Form3, N = 6,", "wavelength 60, " (circles == "" ? "?" : circles) " circles")
    check("redraw + paint CPU (median)", median("offscreen", "huygens_field", "frame_cpu_ms"), "%.2f ms", "",
          1000 / 60, "≤ 16.7 ms (one display frame)")
    check("redraws/s", median("offscreen", "huygens_field", "frames_per_second"), "%.0f", 60, "",
          "≥ 60 (display rate)")
    row("CPU share paced at 60 Hz", "–", "–", "–")
    group("Huygens scan sample", "orvane Form3 right press,", "N = 6, wavelength 60")
    animation("offscreen", "huygens_scan", 1)
    group("kestrup", "all nine switches on")
    animation("offscreen", "kestrup", 1)
    group("tilmora", "W2, sum, sum phasors on")
    animation("offscreen", "tilmora", 0.25)

    group("superposition", "under Xvfb")
    displayed("superposition", "paced", 5)
    check("program + X server, paused (P)", sum(median("xvfb", "superposition", "paused_core_percent"),
          median("xvfb", "superposition", "paused_server_percent")), "%.2f %%", "", 1, "≤ 1 % of a core")
    group("Huygens scan, own pace", "under Xvfb")
    displayed("huygens_scan", "own_pace", 10)
    group("kestrup", "under Xvfb")
    displayed("kestrup", "paced", 5)
    group("tilmora", "under Xvfb")
    displayed("tilmora", "paced", 5)
    program("orvane", 60)
    program("kestrup", 42)
    program("tilmora", 45)

    screenWidth = median("offscreen", "screen", "width")
    height = median("offscreen", "screen", "height")
    printf "Benchmarks: %s, QT_QPA_PLATFORM=offscreen (%s), %s cores, load average %s\n\n", build,
           screenWidth == "" || height == "" ? "screen unknown" : "screen " screenWidth "×" height, cores, load

    split("what figure value target ok", headings, " ")
    for (i = 1; i <= 5; i++) {
        cells[0, i] = headings[i]
        for (r = 0; r <= rows; r++)
            if (width(cells[r, i]) > widths[i])
                widths[i] = width(cells[r, i])
        rule += widths[i] + (i > 1 ? 2 : 0)
    }
    line(cells, 0)
    dashes = sprintf("%" rule "s", "")
    gsub(/ /, "-", dashes)
    print dashes
    for (r = 1; r <= rows; r++)
        line(cells, r)
    print ""

    ownPace = median("offscreen", "huygens_scan", "own_pace_core_percent")
    ownRate = median("offscreen", "huygens_scan", "own_pace_rate")
    if (ownPace != "" && ownRate != "")
        printf "Scan at its own pace, one sample per 4 ms (250 Hz): %.1f %% of one core " \
               "(informational; %.0f samples/s).\n", ownPace, ownRate
    print "Frame: median CPU from one pacer tick to the next, unpaced; painting is left to the refresh"
    print "clock. Paced: process CPU over wall time, painting included. First window: from starting"
    print "the program to its first Paint event. Under Xvfb (1280×1024, no window manager): CPU"
    print "time of the program and of the X server over wall time; peak memory is VmHWM at exit,"
    print "after the program's typical use (Orvane: menu, superposition animating, a scan). Drawing"
    print "alone: the program's share paced, with nothing it draws handed to the screen."
    shares("superposition", "superposition", "paced")
    shares("Huygens scan, own pace", "huygens_scan", "own_pace")
    shares("kestrup", "kestrup", "paced")
    shares("tilmora", "tilmora", "paced")
    print "Load average after: " load_after
    print misses ? "\n" misses " figure(s) missed their targets." : "\nEvery figure meets its target."
    exit misses > 0
}
