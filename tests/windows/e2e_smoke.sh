#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# The Windows programs from the portable folder under Wine, in a virtual X server of their own
# (1280 × 1024, no window manager) and a Wine prefix of their own: each program's window shows
# with its title and its first picture, one click on a control has its effect, the close box
# ends the program with status 0; Kestrup once more with --lang en. The programs start with
# DISPLAY cleared in their Windows environment (Wine's X11 driver keeps its own), so nothing
# Windows lacks can make them work. Before that, what Explorer shows of each program (its
# version resource in German and in English) and the read-me files' Debian revisions of the
# shipped Qt and runtime, as the Qt cache (scripts/windows-qt) records them.
#   e2e_smoke.sh <portable folder>   (SCREENSHOT_DIR=dir keeps windows-<program>.png there)
set -euo pipefail
if (($# != 1)) || [[ ! -f "$1/orvane.exe" ]]; then
    echo "usage: e2e_smoke.sh <portable folder>" >&2
    exit 2
fi
folder=$(cd "$1" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)

# Its own server number, apart from the Linux e2e tests' 99 and 150.
if [[ -z "${SMOKE_UNDER_XVFB:-}" ]]; then
    export SMOKE_UNDER_XVFB=1
    exec xvfb-run -a -n 170 -s "-screen 0 1280x1024x24 -dpi 96" "$0" "$@"
fi

# shellcheck source=tests/windows/wine_prefix.sh
source "$source_dir/tests/windows/wine_prefix.sh"
# shellcheck source=tests/e2e/screen_checks.sh
source "$source_dir/tests/e2e/screen_checks.sh"

version=$(sed -n 's/^project(Wellenlehre VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
numbers=$(tr . ' ' <<<"$version.0.0.0" | awk '{ print $1 "." $2 "." $3 "." $4 }')
for program in Orvane Kestrup Tilmora; do
    exe=$folder/${program,,}.exe
    german=$(version_string "$exe" 1031 FileDescription)
    english=$(version_string "$exe" 1033 FileDescription)
    if [[ "$german" == "$program – "* && "$english" == "$program – "* && "$german" != "$english" ]]; then
        pass
    else
        fail "$program: descriptions German '$german', English '$english'"
    fi
    for language in 1031 1033; do
        check "$program: version resource $language: $(version_numbers "$exe" $language)" \
            test "$(version_numbers "$exe" $language)" = "$numbers $numbers"
    done
done
cache=$("$source_dir/scripts/windows-qt" --path)
while read -r package revision; do
    for readme in README.txt LIESMICH.txt; do
        check "$readme names no $package $revision" grep -q "$package $revision" "$folder/$readme"
    done
done <"$cache/sources"

# The close box's message; Xvfb has no window manager to send it.
g++ -O1 -o "$work/close_window" "$source_dir/tests/e2e/close_window.cpp" -lX11
# A first start loads Wine's and Qt's DLLs from the disk, which once took longer than the wait
# for a window below: done here, where it is only waited for.
(cd "$folder" && "$wine" orvane.exe --version >/dev/null 2>&1) || true

# start <program> [arguments...]: sets pid to the Wine process that ends with the program.
start() {
    local command="$1.exe"
    shift
    (($# > 0)) && command+=" $*"
    # "set X=&&" removes X from cmd's environment, which the program inherits. Wine takes the
    # Windows display language from the Unix locale, and the programs follow it: German.
    (cd "$folder" && exec env LC_ALL=de_DE.UTF-8 "$wine" cmd /c "set DISPLAY=&& $command" >"$work/out.txt" 2>&1) &
    pid=$!
}

# The id of the visible window with this exact title; Wine's first start in a prefix is slow.
# Compared in _NET_WM_NAME: Wine writes WM_NAME, which xdotool matches, in the Unix locale's
# characters ("fur" for "für" under C.UTF-8).
window_id() {
    local id
    for _ in $(seq 300); do
        for id in $(xdotool search --onlyvisible --name '' 2>/dev/null || true); do
            if [[ "$(xprop -id "$id" _NET_WM_NAME 2>/dev/null)" == "_NET_WM_NAME(UTF8_STRING) = \"$1\"" ]]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# Sets origin_x origin_y w h to the client area of a window: Wine's X window, which without a window manager
# is the client area wherever Windows would put the frame.
client() {
    local info
    info=$(xwininfo -id "$1")
    origin_x=$(sed -n 's/^ *Absolute upper-left X: *//p' <<<"$info")
    origin_y=$(sed -n 's/^ *Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/^ *Width: *//p' <<<"$info")
    h=$(sed -n 's/^ *Height: *//p' <<<"$info")
}

screenshot() {
    sleep "${1:-0.5}"
    import -window root "$work/screen.png"
}

# Keeps the client area of the last screenshot as docs' picture windows-<name>.png.
keep_picture() {
    [[ -n "${SCREENSHOT_DIR:-}" ]] || return 0
    mkdir -p "$SCREENSHOT_DIR"
    convert "$work/screen.png" -crop "${w}x${h}+${origin_x}+${origin_y}" +repage "$SCREENSHOT_DIR/windows-$1.png"
}

click() { # click <client x> <client y> [seconds to wait]
    xdotool mousemove $((origin_x + $1)) $((origin_y + $2))
    sleep 0.1
    xdotool click 1
    sleep "${3:-0.5}"
}

# Twips of the layout's controls to pixels (96 dpi).
px() { echo $((($1 + 7) / 15)); }

expect_window() { # expect_window <title>: sets id and the client area
    if id=$(window_id "$1"); then
        pass
        client "$id"
        return 0
    fi
    fail "no window \"$1\"; the program said: $(tr -d '\r' <"$work/out.txt")"
    return 1
}

# The close box ends the program with status 0.
close_and_expect_exit() { # close_and_expect_exit <title> <what>
    local id
    if id=$(window_id "$1"); then "$work/close_window" "$id"; fi
    if ! wait_for_exit "$pid" 20; then
        fail "$2: still running 20 s after its close box"
        wineserver -k 2>/dev/null || true
        return
    fi
    if ((exit_status == 0)); then pass; else fail "$2: ended with status $exit_status"; fi
}

# Orvane: the start menu's colour and caption, "Zeigerformalismus" opens the superposition
# window in its place, whose close box ends the program.
menu="Huyghenssches Prinzip - Zeigerformalismus"
superposition="Superposition von Wellen - Phasenzeiger"
start orvane
if expect_window "$menu"; then
    screenshot
    keep_picture orvane
    expect_pixel 3 3 "255,255,128" "Orvane: menu background"
    # The caption's bold letters stand in Label1 (1320, 120, 5775 × 975 twips).
    expect_some "$(px 1320)" "$(px 120)" "$(px 5775)" "$(px 975)" "0,0,0" 100 "Orvane: menu caption"
    click "$(px 1747)" "$(px 1507)" 1
    if window_id "$superposition" >/dev/null; then pass; else fail "Orvane: \"Zeigerformalismus\" opened no window \"$superposition\""; fi
fi
close_and_expect_exit "$superposition" "Orvane, closing the superposition window"

# Kestrup: the line of Welle1 is drawn from the start; its "Zeiger" box adds blue phasors.
# The form's 4000 × 2925 units from (−100, −1500) fill the client area.
kestrup="Zeigerdarstellung für zwei Wellen"
start kestrup
if expect_window "$kestrup"; then
    kx() { echo $((($1 + 100) * w / 4000)); }
    ky() { echo $((($1 + 1500) * h / 2925)); }
    # Row 1 swings 60 units about y = 0; the band is left of the phasor box.
    band=("$(kx -100)" "$(ky -70)" "$(($(kx 3800) - $(kx -100)))" "$(($(ky 70) - $(ky -70)))")
    screenshot 1
    keep_picture kestrup
    expect_some "${band[@]}" "0,0,0" 200 "Kestrup: line of Welle1"
    n=$(count_colour "${band[@]}" "0,0,255")
    if ((n == 0)); then pass; else fail "Kestrup: $n blue pixels in Welle1's row before \"Zeiger\""; fi
    # "Zeiger" of Welle1: Frame1 at (600, −1300), the box 120, 480 twips inside it.
    click $(($(kx 600) + 8 + 10)) $(($(ky -1300) + 32 + 10)) 0.8
    screenshot 0.2
    expect_some "${band[@]}" "0,0,255" 100 "Kestrup: blue phasors of Welle1 after \"Zeiger\""
fi
close_and_expect_exit "$kestrup" "Kestrup"

# Tilmora: the Start/Stopp indicator is red, and green with the W1 bars once clicked.
tilmora="Interferenz zweier kohärenter Wellen -   Darstellung mit Phasenzeigern"
start tilmora
if expect_window "$tilmora"; then
    # The bars' surface spans y 1400..2900 of the client's 3000 with its own 0..1000.
    ty() { echo $(((1400 + $1 * 1500 / 1000) * h / 3000)); }
    screenshot
    keep_picture tilmora
    expect_pixel "$(px 9900)" "$(px 600)" "255,0,0" "Tilmora: Start/Stopp indicator before the start"
    click "$(px 8460)" "$(px 780)" 1
    screenshot 0.2
    expect_pixel "$(px 9900)" "$(px 600)" "0,255,0" "Tilmora: Start/Stopp indicator after the click"
    expect_some 0 "$(ty 80)" "$w" $(($(ty 280) - $(ty 80))) "128,255,0" 300 "Tilmora: W1 bars after Start/Stopp"
fi
close_and_expect_exit "$tilmora" "Tilmora while it runs"

# English: the title from translations/wellenlehre_en.ts.
start kestrup --lang en
expect_window "Phasors of two waves" || true
close_and_expect_exit "Phasors of two waves" "Kestrup in English"

# Output sent to a file stays there: a program with windows attaches to the console it was started
# from only for the streams that go nowhere.
(cd "$folder" && "$wine" cmd /c "orvane.exe --version > $(basename "$work")-version.txt") >/dev/null 2>&1 || true
check "orvane --version > file wrote '$(tr -d '\r' <"$folder/$(basename "$work")-version.txt" 2>/dev/null)'" \
    grep -qx "orvane $version"$'\r'"\?" "$folder/$(basename "$work")-version.txt"
rm -f "$folder/$(basename "$work")-version.txt"

# A shell that passes on X11's and Wayland's variables (Wine on a Wayland desktop) changes nothing:
# the choice between them is not Windows' to make.
(cd "$folder" && exec env LC_ALL=de_DE.UTF-8 "$wine" cmd /c "set DISPLAY=:0&& set WAYLAND_DISPLAY=wayland-0&& kestrup.exe" \
    >"$work/out.txt" 2>&1) &
pid=$!
expect_window "$kestrup" || true
close_and_expect_exit "$kestrup" "Kestrup started with DISPLAY and WAYLAND_DISPLAY set"

# At 150 % (144 dpi) every first window lies inside the screen with its frame: the title bar, a
# third larger than at 100 %, above it. (Wine's system scale is also its screens' scale, so the
# frame measured at the sign-in scale is right here too; what differs on Windows cannot be shown.)
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
wineserver -w
# The first start at a new scale is Wine's slowest: waited for (twice the usual), not checked.
start orvane
if id=$(window_id "$menu" || window_id "$menu"); then "$work/close_window" "$id"; fi
wait_for_exit "$pid" 20 || wineserver -k 2>/dev/null || true
for title in "$menu" "$kestrup" "$tilmora"; do
    case $title in "$menu") program=orvane ;; "$kestrup") program=kestrup ;; *) program=tilmora ;; esac
    start "$program"
    if expect_window "$title"; then
        ((origin_y >= 30 && origin_y + h <= 1024 && origin_x >= 0 && origin_x + w <= 1280)) &&
            pass || fail "$program at 144 dpi: client ${w}x${h}+${origin_x}+${origin_y} leaves no room for its frame on the 1280x1024 screen"
    fi
    close_and_expect_exit "$title" "$program at 144 dpi"
done

summary
