#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Reads each program's accessibility tree over AT-SPI, as a screen reader does, and checks that
# every control is named by its German caption or by the caption that names it on the screen.
# usage: a11y_test.sh <build dir>
set -euo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

if [[ -z "${A11Y_UNDER_XVFB:-}" ]]; then
    export A11Y_UNDER_XVFB=1
    # A display number of its own to start from, apart from the end-to-end tests' (see there).
    exec xvfb-run -a -n 200 -s "-screen 0 1280x1024x24 -dpi 96" dbus-run-session -- "$0" "$@"
fi
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
bus=$!
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
sleep 0.5
failures=0

# Starts a program, lets a setup command drive it, and checks its tree for lines "role<TAB>name".
check_program() {
    local program=$1 setup=$2
    shift 2
    "$build/$program/$program" >/dev/null 2>&1 &
    local pid=$!
    sleep 1.5
    eval "$setup"
    local tree
    tree=$(/usr/bin/python3 -W ignore "$here/a11y_tree.py" "$program" | cut -f2,3) || true
    for expected in "$@"; do
        if ! grep -qxF "$expected" <<<"$tree"; then
            echo "FAIL: $program has no \"$expected\""
            failures=$((failures + 1))
        fi
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

tab=$'\t'
check_program orvane : \
    "push button${tab}Zeigerformalismus" "push button${tab}Huyghenssches Prinzip" "push button${tab}Ende" \
    "label${tab}Huyghenssches Prinzip und  Zeigerformalismus."

check_program orvane "xdotool mousemove 116 100 click 1; sleep 1" \
    "scroll bar${tab}Wellenlänge" "scroll bar${tab}Geschwindigkeit" "scroll bar${tab}Phasenverschiebung" \
    "text${tab}Geschwindigkeit" "push button${tab}Start W1/Menu" "push button${tab}Vektorsumme W1+W2" \
    "filler${tab}Wellen" "filler${tab}Phasenzeiger"

check_program orvane "xdotool mousemove 108 284 click 1; sleep 1.5" \
    "scroll bar${tab}Zahl der Elementarwellen" "scroll bar${tab}Wellenlänge" "text${tab}Zahl der Elementarwellen" \
    "push button${tab}Menu" "filler${tab}Amplitudenverteilung"

check_program kestrup : \
    "scroll bar${tab}Frequenz" "scroll bar${tab}Wellenlänge" "scroll bar${tab}Gangdifferenz" \
    "check box${tab}Punkte" "check box${tab}Zeiger" "check box${tab}Linie" "filler${tab}Zeigerkette" \
    "push button${tab}Halt/Weiter" "push button${tab}Ende" "label${tab}Mausklick verbirgt die Zeigerkette"

check_program tilmora : \
    "scroll bar${tab}Wellenlänge" "scroll bar${tab}Zeitdehnung" \
    "scroll bar${tab}Gangdifferenz in Wellenlänge bzw. Grad" "filler${tab}Wellen" "push button${tab}Start/Stopp" "push button${tab}Welle 2 on/off" "label${tab}    Wellenlänge"

# In English no window shows a German text: the start menu, both simulations, Kestrup and Tilmora,
# each with its help window open.
check_english() {
    local program=$1 setup=$2
    LANG=en_US.UTF-8 LANGUAGE= "$build/$program/$program" >/dev/null 2>&1 &
    local pid=$!
    sleep 1.5
    eval "$setup"
    xdotool key F1
    sleep 1
    /usr/bin/python3 -W ignore "$here/a11y_tree.py" "$program" >"$work_tree" || true
    if ! /usr/bin/python3 "$here/german_left.py" "$here/../../translations/wellenlehre_en.ts" <"$work_tree" ||
        ! grep -q "Help – " "$work_tree"; then
        echo "FAIL: $program in English (setup: $setup)"
        failures=$((failures + 1))
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}
work_tree=$(mktemp)
check_english orvane :
check_english orvane "xdotool mousemove 116 100 click 1; sleep 1"
check_english orvane "xdotool mousemove 108 284 click 1; sleep 1.5"
check_english kestrup :
check_english tilmora :
rm -f "$work_tree"

if ((failures > 0)); then
    echo "$failures accessibility checks failed"
    exit 1
fi
echo "all accessibility checks passed"
