# shellcheck shell=bash disable=SC2034,SC2154 # work comes from the test, exit_status goes to it
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Sourced by the X tests, which define pass and fail: checks of the last screenshot
# ($work/screen.png) by the colours of its pixels, in coordinates from (origin_x, origin_y), the
# screen's corner unless a test moves it to a window's; and the wait for a program's end.
origin_x=0
origin_y=0

# Colour of a pixel as r,g,b.
pixel() {
    convert "$work/screen.png" -crop "1x1+$((origin_x + $1))+$((origin_y + $2))" -depth 8 \
        -format '%[fx:int(255*r+.5)],%[fx:int(255*g+.5)],%[fx:int(255*b+.5)]' info:
}

# How many pixels of a colour lie in a rectangle.
count_colour() { # count_colour <x> <y> <w> <h> <r,g,b>
    local r g b
    IFS=, read -r r g b <<<"$5"
    convert "$work/screen.png" -crop "${3}x${4}+$((origin_x + $1))+$((origin_y + $2))" +repage -depth 8 txt:- |
        grep -c " $(printf '#%02X%02X%02X' "$r" "$g" "$b") " || true
}

expect_pixel() { # expect_pixel <x> <y> <r,g,b> <what>
    local got
    got=$(pixel "$1" "$2")
    if [[ "$got" == "$3" ]]; then pass; else fail "$4: pixel ($1, $2) is $got, expected $3"; fi
}

expect_some() { # expect_some <x> <y> <w> <h> <r,g,b> <at least> <what>
    local n
    n=$(count_colour "$1" "$2" "$3" "$4" "$5")
    if ((n >= $6)); then pass; else fail "$7: $n pixels of rgb($5) in ${3}x${4}+$1+$2, expected at least $6"; fi
}

# Waits for a program's end and sets exit_status; a program still running then is ended and
# the wait fails.
wait_for_exit() { # wait_for_exit <pid> <seconds>
    local i
    for ((i = 0; i < $2 * 10; i++)); do
        kill -0 "$1" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$1" 2>/dev/null; then
        kill "$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
        return 1
    fi
    exit_status=0
    wait "$1" || exit_status=$?
}
