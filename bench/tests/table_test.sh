#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# The benchmark table (bench/report/table.awk, given as the argument) on figures chosen at and
# just beyond their targets: verdicts, medians and highest values, alignment, exit status.
set -uo pipefail
export LC_ALL=C.UTF-8
table=$1
failures=0

# Figures that meet every target, several of them exactly at it.
passing() {
    for row in superposition huygens_scan kestrup tilmora; do
        echo "offscreen $row frame_cpu_ms 0.25"
        echo "offscreen $row frames_per_second 60"
        echo "offscreen $row paced_core_percent 10"
        echo "xvfb $row paced_core_percent 3"
        echo "xvfb $row paced_server_percent 2"
        echo "xvfb $row paced_rate 59.5"
    done
    echo "offscreen huygens_field circles 871"
    echo "offscreen huygens_field frame_cpu_ms 16.6"
    echo "offscreen huygens_field frames_per_second 61"
    echo "xvfb superposition paused_core_percent 0.5"
    echo "xvfb superposition paused_server_percent 0.5"
    echo "xvfb huygens_scan own_pace_core_percent 7"
    echo "xvfb huygens_scan own_pace_server_percent 3"
    echo "xvfb superposition withheld_core_percent 4"
    for program in orvane kestrup tilmora; do
        # A slow start and a big one among five: the median passes over it, the peak does not.
        for ms in 20 900 30 10 25; do echo "offscreen ${program}_startup_bench first_window_ms $ms"; done
        for mb in 30 80 31 30 30; do echo "offscreen ${program}_startup_bench peak_mb $mb"; done
        echo "xvfb ${program}_startup_bench peak_mb 40"
        echo "xvfb ${program}_startup_bench peak_mb 42"
    done
}

expect() {
    local what=$1 text=$2 output=$3
    if ! grep -qxF -- "$text" <<<"$output"; then
        echo "FAIL: $what: no line \"$text\" in"$'\n'"$output"
        failures=$((failures + 1))
    fi
}

report() { awk -v build=test -v cores=2 -v load=0 -v load_after=0 -f "$table"; }

output=$(passing | report)
status=$?
((status == 0)) || { echo "FAIL: figures at their targets exit with $status"; failures=$((failures + 1)); }
expect "a limit itself passes; columns count characters" \
    "superposition               frame CPU (median, unpaced)        0.250 ms  ≤ 0.25 ms CPU                  ok" \
    "$output"
expect "the median of the starts" \
    "orvane program              first window (median of 5 starts)  25 ms     ≤ 300 ms                       ok" \
    "$output"
expect "the highest of the starts" \
    "                            peak memory (highest of 5 starts)  80.0 MB   ≤ 80 MB                        ok" \
    "$output"
expect "the program's share with nothing sent to the screen, where it was measured" \
    "  superposition                program   3.0 %, X server   2.0 %; drawing alone   4.0 %" "$output"
expect "none where it was not measured" \
    "  Huygens scan, own pace       program   7.0 %, X server   3.0 %" "$output"
expect "program and server added" \
    "Huygens scan, own pace      program + X server, paced          10.0 %    ≤ 10 % of a core               ok" \
    "$output"
expect "the verdict" "Every figure meets its target." "$output"

# Just beyond a target, a value that is no number, a figure not printed at all.
output=$(passing | sed -e 's/^offscreen tilmora frame_cpu_ms .*/& 1/; s/frame_cpu_ms 0.25 1$/frame_cpu_ms 0.251/' \
    -e 's/^xvfb kestrup paced_rate .*/xvfb kestrup paced_rate 60.6/' \
    -e 's/^offscreen kestrup frames_per_second .*/offscreen kestrup frames_per_second nan/' \
    -e '/^xvfb tilmora_startup_bench/d' | report)
status=$?
((status == 1)) || { echo "FAIL: missed figures exit with $status"; failures=$((failures + 1)); }
expect "above an upper limit" \
    "tilmora                     frame CPU (median, unpaced)        0.251 ms  ≤ 0.25 ms CPU                  MISSED" \
    "$output"
expect "outside a band" \
    "under Xvfb                  frames/s paced                     60.60     60 ± 0.5                       MISSED" \
    "$output"
expect "not a number" \
    "all nine switches on        frames/s unpaced                   –         ≥ 60 (display rate)            FAILED" \
    "$output"
expect "not printed" \
    "                            Xvfb: peak memory (highest of 2)   –         ≤ 45 MB                        FAILED" \
    "$output"
expect "the count" "4 figure(s) missed their targets." "$output"

((failures == 0)) && echo "table: all checks passed"
exit $((failures > 0))
