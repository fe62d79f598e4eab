# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# On a projector-sized desktop with a window manager: every window lies inside the screen with its
# frame, also at twice the scale (QT_SCALE_FACTOR=2) where it fills as much of it; the
# Huygens–Fresnel field keeps its sources where its scale puts them, also after the window is
# resized; a second menu click brings an open window to the front; F1's help lies inside the
# screen and Esc closes it.

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

# Also leaves the window's size with its frame in outer_w, outer_h (device pixels).
expect_inside_screen() {
    local id x y w h l r t b
    outer_w=0 outer_h=0
    id=$(window_id "$1") || { fail "no window \"$1\""; return; }
    sleep 0.5
    read -r x y w h < <(client_area "$id")
    IFS=', ' read -r l r t b < <(xprop -id "$id" _NET_FRAME_EXTENTS | sed 's/.*= //')
    outer_w=$((l + w + r)) outer_h=$((t + h + b))
    ((x - l >= 0 && y - t >= 0 && x + w + r <= screen_w && y + h + b <= screen_h)) ||
        fail "\"$1\" with its frame ($l $r $t $b) at ${w}x${h}+$x+$y lies past the ${screen_w}x${screen_h} screen"
}

check_help() {
    local help="Hilfe – $1"
    xdotool windowactivate --sync "$(window_id "$1")"
    xdotool key F1
    expect_inside_screen "$help"
    ((outer_w > 0)) || return 0
    xdotool windowactivate --sync "$(window_id "$help")"
    xdotool key Escape
    expect_no_window "$help"
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
    if [[ $program == kestrup ]]; then read -r single_w single_h <<<"$outer_w $outer_h"; fi
    screenshot "desktop-$program"
    check_help "$title"
    close_window "$title"
    expect_exit $pid "closing $program"
done

# Kestrup is sized from the screen in both directions: at twice the scale its frame, in device
# pixels, must fill as much of it as at scale 1.
QT_SCALE_FACTOR=2 "$build/kestrup/kestrup" &
pid=$!
expect_inside_screen "$kestrup"
((single_w - outer_w <= 2 && single_h - outer_h <= 2)) ||
    fail "Kestrup at scale 2 with its frame is ${outer_w}x${outer_h}, at scale 1 ${single_w}x${single_h}"
close_window "$kestrup"
expect_exit $pid "closing Kestrup at scale 2"

# A Wayland compositor beside the X server, as on a Wayland desktop with XWayland: the programs
# take X11, where the window manager frames them, and their first windows fit the screen.
# Without a compositor, a program told to use Wayland says so in one line and ends with status 1.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
if ! command -v weston >/dev/null; then
    echo "SKIP: weston is not installed, so nothing is checked beside a Wayland compositor (apt-get install weston qt6-wayland)"
else
    weston --backend=x11-backend.so --width=1280 --height=800 --socket=wellenlehre-e2e >"$work/weston.log" 2>&1 &
    weston_pid=$!
    for _ in $(seq 50); do
        [[ -S "$XDG_RUNTIME_DIR/wellenlehre-e2e" ]] && break
        sleep 0.1
    done
    [[ -S "$XDG_RUNTIME_DIR/wellenlehre-e2e" ]] || fail "weston did not start: $(tail -n 1 "$work/weston.log")"
    for program in orvane kestrup tilmora; do
        case $program in orvane) title=$menu ;; *) title=${!program} ;; esac
        env -u QT_QPA_PLATFORM WAYLAND_DISPLAY=wellenlehre-e2e "$build/$program/$program" &
        pid=$!
        expect_inside_screen "$title"
        if ((outer_w > 0)); then
            close_window "$title"
            expect_exit $pid "closing $program started beside Wayland"
        else
            kill "$pid"
            wait "$pid" 2>/dev/null || true
        fi
    done
    kill "$weston_pid"
fi
for program in orvane kestrup tilmora; do
    status=0
    QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wellenlehre-none timeout 10 "$build/$program/$program" \
        2>"$work/no-compositor.txt" || status=$?
    ((status == 1)) && grep -q "^$program braucht eine grafische Oberfläche" "$work/no-compositor.txt" ||
        fail "$program on Wayland without a compositor: status $status, \"$(head -n 1 "$work/no-compositor.txt")\""
done

# A lesson on a projector beside the primary screen: F1's help opens on the screen its window is
# on now, also when it was first shown on the other one. A nested X server holds both screens side
# by side; Qt finds screens by RandR's monitors, so the projector is named as one as well.
Xephyr -displayfd 3 +xinerama -screen 1280x800 -screen 1024x768 -dpi 96 -nolisten tcp -noreset \
    3>"$work/projector" 2>"$work/projector.log" &
projector_pid=$!
for _ in $(seq 50); do
    [[ -s "$work/projector" ]] && break
    sleep 0.1
done
(
    export DISPLAY=:$(cat "$work/projector")
    xrandr --setmonitor projector 1024/271x768/203+1280+0 none >/dev/null 2>&1
    openbox >/dev/null 2>&1 &
    sleep 0.5
    "$build/kestrup/kestrup" &
    pid=$!
    help="Hilfe – $kestrup"
    for screen_left in 0 1280; do
        id=$(window_id "$kestrup") || { fail "no window \"$kestrup\" on two screens"; break; }
        xdotool windowmove --sync "$id" "$((screen_left + 20))" 20
        sleep 0.5
        xdotool windowactivate --sync "$id" key F1
        help_id=$(window_id "$help") || { fail "no help on two screens"; break; }
        sleep 0.3
        read -r x _ w _ < <(client_area "$help_id")
        ((x >= screen_left && x + w <= screen_left + (screen_left ? 1024 : 1280))) ||
            fail "help at x $x, width $w, not on the screen from x $screen_left that its window is on"
        xdotool windowactivate --sync "$help_id" key Escape
        expect_no_window "$help"
    done
    close_window "$kestrup"
    expect_exit $pid "closing Kestrup on two screens"
    exit "$failures"
) || failures=$((failures + $?))
kill "$projector_pid"
