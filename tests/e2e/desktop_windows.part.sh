# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# On a projector-sized desktop with a window manager: every window lies inside the screen with its
# frame, the Huygens–Fresnel field keeps its sources where its scale puts them, also after the
# window is resized, and a second menu click brings an open window to the front.

menu="Huyghenssches Prinzip - Zeigerformalismus"
huygens=" Huygen-Fresnel Prinzip und Zeigerdarstellung"
superposition="Superposition von Wellen - Phasenzeiger"
kestrup="Zeigerdarstellung für zwei Wellen"
tilmora="Interferenz zweier kohärenter Wellen -   Darstellung mit Phasenzeigern"
read -r screen_w screen_h < <(xdpyinfo | sed -n 's/.*dimensions: *\([0-9]*\)x\([0-9]*\).*/\1 \2/p')

# The client area of a window: x y width height on the screen.
client_area() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

expect_inside_screen() {
    local id x y w h l r t b
    id=$(window_id "$1") || { fail "no window \"$1\""; return; }
    sleep 0.5
    read -r x y w h < <(client_area "$id")
    IFS=', ' read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //')
    ((x - l >= 0 && y - t >= 0 && x + w + r <= screen_w && y + h + b <= screen_h)) ||
        fail "\"$1\" with its frame ($l $r $t $b) at ${w}x${h}+$x+$y lies past the ${screen_w}x${screen_h} screen"
}

# The middle source is a dot of five pixels round the pixel of the field's (0, 0): black two pixels
# above and below the axis, which alone is one pixel thick.
expect_source_at_origin() {
    local x y w h ox oy
    read -r x y w h < <(client_area "$(window_id "$huygens")")
    ox=$((x + 300 * w / 4000))
    oy=$((y + 1500 * h / 2925))
    screenshot "${2:-}"
    expect_pixel "$ox" $((oy - 2)) "0,0,0" "$1: middle source above the axis"
    expect_pixel "$ox" $((oy + 2)) "0,0,0" "$1: middle source below the axis"
}

click_in() {
    xdotool windowactivate --sync "$(window_id "$1")"
    xdotool mousemove --window "$(window_id "$1")" "$2" "$3"
    sleep 0.05
    xdotool click 1
    sleep 0.5
}

expect_in_front() {
    local active
    active=$(xdotool getactivewindow getwindowname 2>/dev/null || true)
    [[ "$active" == "$1" ]] || fail "$2: \"$active\" is in front, not \"$1\""
}

"$build/orvane/orvane" &
pid=$!
expect_inside_screen "$menu"
click_in "$menu" "$(px 1627)" "$(px 4267)"   # "Huyghenssches Prinzip"
expect_inside_screen "$huygens"
sleep 1
expect_source_at_origin "field as loaded" desktop-huygens
xdotool windowsize "$(window_id "$huygens")" 900 600
sleep 1
expect_source_at_origin "field after a resize"
click_in "$menu" "$(px 1627)" "$(px 4267)"
expect_in_front "$huygens" "second click on \"Huyghenssches Prinzip\""
click_in "$menu" "$(px 1747)" "$(px 1507)"   # "Zeigerformalismus", which hides the menu
expect_inside_screen "$superposition"
screenshot desktop-superposition
close_window "$superposition"
expect_exit $pid "closing the superposition window"

for program in kestrup tilmora; do
    "$build/$program/$program" &
    pid=$!
    title=${!program}
    expect_inside_screen "$title"
    screenshot "desktop-$program"
    close_window "$title"
    expect_exit $pid "closing $program"
done
