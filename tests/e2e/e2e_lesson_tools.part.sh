# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# The lesson keys on a running animation: P freezes the picture and marks the title, N draws one
# more frame, P again lets it run, Ctrl+C puts the window's picture on the clipboard, and with a
# clipboard manager running the picture stays there after the program has ended.

menu="Huyghenssches Prinzip - Zeigerformalismus"
superposition="Superposition von Wellen - Phasenzeiger"
tilmora="Interferenz zweier kohärenter Wellen -   Darstellung mit Phasenzeigern"

window_picture() {
    local id
    sleep "${2:-0}"
    # Without an id, import would wait for a click on a window, until the test's timeout.
    id=$(window_id "$1") || { fail "no window \"$1\" to take a picture of"; return 0; }
    import -window "$id" "$work/$3.png"
}

same_pictures() {
    [[ "$(compare -metric AE "$work/$1.png" "$work/$2.png" null: 2>&1)" == 0 ]]
}

# The clipboard holds a PNG of the window's size; a clipboard manager takes a moment to take over.
expect_clipboard_picture() {
    local size want
    want=$(identify -format '%wx%h' "$work/$1.png")
    for _ in $(seq 10); do
        size=$(xclip -selection clipboard -t image/png -o 2>/dev/null | identify -format '%wx%h' - 2>/dev/null || true)
        [[ "$size" == "$want" ]] && return
        sleep 0.1
    done
    fail "$2: \"$size\" on the clipboard, not a PNG of the window"
}

key() {
    xdotool windowfocus --sync "$(window_id "$1")" 2>/dev/null || true
    xdotool key "$2"
    sleep 0.3
}

check_lesson_keys() {
    local title=$1
    key "$title" p
    expect_window "$title – Pause"
    window_picture "$title – Pause" 0 paused-a
    window_picture "$title – Pause" 0.5 paused-b
    same_pictures paused-a paused-b || fail "$title: the picture moves while paused"
    key "$title – Pause" n
    window_picture "$title – Pause" 0.2 stepped
    same_pictures paused-b stepped && fail "$title: N drew no new frame"
    key "$title – Pause" p
    expect_window "$title"
    window_picture "$title" 0 running-a
    window_picture "$title" 0.5 running-b
    same_pictures running-a running-b && fail "$title: the picture stands after P again"
    key "$title" ctrl+c
    expect_clipboard_picture running-b "$title: Ctrl+C"
}

"$build/orvane/orvane" &
pid=$!
expect_window "$menu"
click "$(px 1747)" "$(px 1507)"        # "Zeigerformalismus"
click "$(px 1087)" "$(px 367)" 1 0.8   # "Start W1/Menu"
check_lesson_keys "$superposition"
close_window "$superposition"
expect_exit $pid "closing the superposition window after the lesson keys"

"$build/tests/e2e/clipboard_manager" >"$work/manager.out" &
manager=$!
for _ in $(seq 50); do
    grep -q ready "$work/manager.out" && break
    sleep 0.1
done
"$build/tilmora/tilmora" &
pid=$!
expect_window "$tilmora"
click "$(px 8460)" "$(px 780)" 1 0.8   # "Start/Stopp"
check_lesson_keys "$tilmora"
close_window "$tilmora"
expect_exit $pid "closing Tilmora after the lesson keys"
expect_clipboard_picture running-b "Tilmora ended: its copy handed to the clipboard manager"
kill "$manager"
wait "$manager" 2>/dev/null || true
