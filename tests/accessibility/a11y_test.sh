#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Reads each program's accessibility tree over AT-SPI, as a screen reader does, and checks that
# every control is named by its German caption or by the caption that names it on the screen, and
# that in English no window, nor its help, shows a text it shows in German.
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
sleep 0.5
failures=0

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
tab=$'\t'

# Starts a program in a language, lets a setup command drive it, opens the help of the window in
# front and writes the program's tree to a file.
tree_of() { # tree_of <program> <de|en> <setup> <file>
    "$build/$1/$1" --lang "$2" >/dev/null 2>&1 &
    local pid=$!
    sleep 1.5
    eval "$3"
    # No window manager moves the focus to a window that opens: the one in front takes it here.
    local front
    front=$(xdotool mousemove 10 10 getmouselocation --shell | sed -n 's/^WINDOW=//p')
    xdotool windowfocus --sync "$front" key F1
    sleep 1
    /usr/bin/python3 -W ignore "$here/a11y_tree.py" "$1" >"$4" || true
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

# In German the tree has the lines "role<TAB>name" given; in English it shows none of the German
# tree's names and texts, the help's included.
check_window() {
    local program=$1 setup=$2
    shift 2
    tree_of "$program" de "$setup" "$work/de"
    tree_of "$program" en "$setup" "$work/en"
    local expected
    for expected in "$@"; do
        if ! cut -f2,3 "$work/de" | grep -qxF "$expected"; then
            echo "FAIL: $program ($setup) has no \"$expected\""
            failures=$((failures + 1))
        fi
    done
    if ! grep -q "${tab}dialog${tab}Hilfe – " "$work/de" ||
        ! /usr/bin/python3 "$here/german_left.py" "$here/../../translations/wellenlehre_en.ts" "$work/de" <"$work/en" ||
        ! grep -q "${tab}dialog${tab}Help – " "$work/en"; then
        echo "FAIL: $program ($setup): no help in one language, or German left in English"
        failures=$((failures + 1))
    fi
}

check_window orvane : \
    "push button${tab}Zeigerformalismus" "push button${tab}Huyghenssches Prinzip" "push button${tab}Ende" \
    "label${tab}Huyghenssches Prinzip und  Zeigerformalismus."

check_window orvane "xdotool mousemove 116 100 click 1; sleep 1" \
    "scroll bar${tab}Wellenlänge" "scroll bar${tab}Geschwindigkeit" "scroll bar${tab}Phasenverschiebung" \
    "text${tab}Geschwindigkeit" "push button${tab}Start W1/Menu" "push button${tab}Vektorsumme W1+W2" \
    "filler${tab}Wellen" "filler${tab}Phasenzeiger"

check_window orvane "xdotool mousemove 108 284 click 1; sleep 1.5" \
    "scroll bar${tab}Zahl der Elementarwellen" "scroll bar${tab}Wellenlänge" "text${tab}Zahl der Elementarwellen" \
    "push button${tab}Menu" "filler${tab}Amplitudenverteilung"

check_window kestrup : \
    "scroll bar${tab}Frequenz" "scroll bar${tab}Wellenlänge" "scroll bar${tab}Gangdifferenz" \
    "check box${tab}Punkte" "check box${tab}Zeiger" "check box${tab}Linie" "filler${tab}Zeigerkette" \
    "push button${tab}Halt/Weiter" "push button${tab}Ende" "label${tab}Mausklick verbirgt die Zeigerkette"

check_window tilmora : \
    "scroll bar${tab}Wellenlänge" "scroll bar${tab}Zeitdehnung" \
    "scroll bar${tab}Gangdifferenz in Wellenlänge bzw. Grad" "filler${tab}Wellen" "push button${tab}Start/Stopp" "push button${tab}Welle 2 on/off" "label${tab}    Wellenlänge"

if ((failures > 0)); then
    echo "$failures accessibility checks failed"
    exit 1
fi
echo "all accessibility checks passed"
