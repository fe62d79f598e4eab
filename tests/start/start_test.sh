#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# How the programs start: --help and --version answer without a window, a missing or unreachable
# display ends with a plain line and status 1, and scripts/run builds only the program it starts.
# usage: start_test.sh <source dir> <build dir> <project version>
set -euo pipefail
source_dir=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs a program with no display of any kind unless the caller's environment adds one; sets
# status, out and err.
run() {
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" >"$work/out" 2>"$work/err" || status=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
}

for program in orvane kestrup tilmora; do
    executable=$build/$program/$program

    run "$executable" --version
    [[ $status == 0 && "$out" == "$program $version" && -z "$err" ]] ||
        fail "$program --version: status $status, out '$out', err '$err'"
    run "$executable" -x --help --version --lang de
    [[ $status == 0 && "$out" == "Aufruf: $program "* && "$out" == *"F1 "* && -z "$err" ]] ||
        fail "$program --help: status $status, out '$out', err '$err'"
    # Without --lang the user's languages choose, whatever the caller's locale.
    run LC_ALL=C.UTF-8 LANGUAGE=en:de "$executable" --help
    [[ $status == 0 && "$out" == "Usage: $program "* && -z "$err" ]] ||
        fail "$program --help in English: status $status, out '$out', err '$err'"

    # Exactly the two lines, no word from Qt about plugins or reinstalling.
    run "$executable"
    [[ $status == 1 && -z "$out" && $(wc -l <"$work/err") == 2 &&
        "$err" == "$program braucht eine grafische Oberfläche (X11 oder Wayland mit XWayland); DISPLAY ist nicht gesetzt."$'\n'"$program needs "* ]] ||
        fail "$program without a display: status $status, err '$err'"
    run DISPLAY=:4711 QT_QPA_PLATFORM=xcb "$executable"
    [[ $status == 1 && $(wc -l <"$work/err") == 2 && "$err" == *"die Anzeige :4711 lässt sich nicht öffnen."* ]] ||
        fail "$program with an unreachable display: status $status, err '$err'"
done

# Other arguments are ignored: the program starts on the platform asked for and runs until ended.
run timeout 3 env QT_QPA_PLATFORM=offscreen "$build/orvane/orvane" --unknown
[[ $status == 124 ]] || fail "orvane --unknown offscreen ended with status $status, err '$err'"

# scripts/run in a copy of the scripts, with a cmake that records what it is asked to build and
# makes each target a program that reports its arguments.
mkdir -p "$work/tree/scripts" "$work/bin"
cp "$source_dir/scripts/run" "$source_dir/scripts/build" "$work/tree/scripts/"
printf '#!/bin/sh\nexit 0\n' >"$work/tree/scripts/setup"
cat >"$work/bin/cmake" <<'FAKE'
#!/usr/bin/env bash
echo "$*" >>"$CMAKE_LOG"
[[ $1 == --build ]] || exit 0
dir=$2
shift 2
[[ ${1:-} == --target ]] || exit 0
shift
for target in "$@"; do
    mkdir -p "$dir/$target"
    printf '#!/bin/sh\necho "%s started:" "$@"\n' "$target" >"$dir/$target/$target"
    chmod +x "$dir/$target/$target"
done
FAKE
chmod +x "$work/tree/scripts/setup" "$work/bin/cmake"
export CMAKE_LOG=$work/cmake.log
run PATH="$work/bin:$PATH" BUILD_DIR=out "$work/tree/scripts/run" kestrup --version
[[ $status == 0 && "$(grep -c -- --build "$CMAKE_LOG")" == 1 && "$(grep -- --build "$CMAKE_LOG")" == "--build out --target kestrup" ]] ||
    fail "scripts/run kestrup: status $status, cmake asked for: $(cat "$CMAKE_LOG")"
[[ "$out" == "Building kestrup in out/ "*$'\n'"kestrup started: --version" ]] ||
    fail "scripts/run kestrup, first start: '$out'"
run PATH="$work/bin:$PATH" BUILD_DIR=out "$work/tree/scripts/run"
[[ $status == 0 && "$out" == *$'\n'"orvane started:" && "$(tail -n 1 "$CMAKE_LOG")" == "--build out --target orvane" ]] ||
    fail "scripts/run: status $status, out '$out', cmake asked last for: $(tail -n 1 "$CMAKE_LOG")"
run PATH="$work/bin:$PATH" BUILD_DIR=out "$work/tree/scripts/run" kestrup
[[ "$out" == "kestrup started:" ]] || fail "scripts/run kestrup, second start: '$out'"

((failures == 0)) || exit 1
echo "start: all checks passed"
