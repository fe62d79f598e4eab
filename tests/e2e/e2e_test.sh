#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# End-to-end: each program started as a user starts it, under a virtual X server at 1280 × 1024,
# 96 dpi (15 twips a pixel), driven with real mouse clicks at its controls, checked by the colours
# of its windows at the places that matter, and closed as a user closes it.
# With "desktop" it runs the desktop scenarios instead: a 1280 × 800 screen with a window manager.
# usage: e2e_test.sh <build dir> [desktop]   (SCREENSHOT_DIR=dir also keeps a picture of each window)
set -euo pipefail
build=$(cd "$1" && pwd)
scenarios=e2e
screen=1280x1024
# ctest runs the X tests side by side, and two "xvfb-run -a" that start together may both take the
# first free display: each test searches for one from a number of its own.
server=99
if [[ "${2:-}" == desktop ]]; then
    scenarios=desktop
    screen=1280x800
    server=150
fi

if [[ -z "${E2E_UNDER_XVFB:-}" ]]; then
    export E2E_UNDER_XVFB=1
    # -noreset: without a window manager no client stays connected between two programs, and a
    # server that resets when the last one leaves refuses a program that starts meanwhile.
    exec xvfb-run -a -n "$server" -s "-screen 0 ${screen}x24 -dpi 96 -noreset" "$0" "$@"
fi
unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb
# The windows are found by their German titles: German, whatever the caller's locale.
export LANGUAGE=de
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { :; }
# shellcheck source=tests/e2e/screen_checks.sh
source "$(dirname "$0")/screen_checks.sh"

# The id of the visible window with this exact title, waiting up to five seconds for it.
window_id() {
    local title=$1
    for _ in $(seq 50); do
        local id
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

expect_window() {
    window_id "$1" >/dev/null || fail "no window \"$1\""
}

expect_no_window() {
    sleep 0.3
    if xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1; then fail "window \"$1\" still shown"; fi
}

screenshot() {
    sleep "${2:-0.4}"
    import -window root "$work/screen.png"
    if [[ -n "${SCREENSHOT_DIR:-}" && -n "${1:-}" ]]; then
        mkdir -p "$SCREENSHOT_DIR"
        convert "$work/screen.png" -trim +repage "$SCREENSHOT_DIR/$1.png"
    fi
}

expect_none() {
    local n
    n=$(count_colour "$1" "$2" "$3" "$4" "$5")
    ((n == 0)) || fail "$6: $n pixels of rgb($5) in ${3}x${4}+$1+$2, expected none"
}

# Twips of the layout to screen pixels (the windows stand at the screen's top-left corner).
px() { echo $(( ($1 + 7) / 15 )); }

click() {
    xdotool mousemove "$1" "$2"
    sleep 0.05
    xdotool click "${3:-1}"
    sleep "${4:-0.3}"
}

close_window() {
    local id
    id=$(window_id "$1") || { fail "cannot close \"$1\": not shown"; return; }
    "$build/tests/e2e/close_window" "$id"
}

expect_exit() {
    local pid=$1 what=$2
    wait_for_exit "$pid" 5 || { fail "$what: still running"; return; }
    ((exit_status == 0)) || fail "$what: ended with status $exit_status"
}

if [[ $scenarios == desktop ]]; then
    openbox &
    # The window manager is ready once it announces itself on the root window.
    for _ in $(seq 50); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
fi

for part in "$(dirname "$0")"/"$scenarios"_*.part.sh; do
    # shellcheck source=/dev/null
    source "$part"
done

if ((failures > 0)); then
    echo "$failures end-to-end checks failed"
    exit 1
fi
echo "all end-to-end checks passed"
