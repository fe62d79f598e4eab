#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# ctest's emulator for the Windows test build (CMAKE_CROSSCOMPILING_EMULATOR): runs a test
# program under Wine, headless, in a prefix of its own, against a runtime folder that holds
# the cross-built Qt's and MinGW's DLLs (bin/), Qt's plugins and the fonts of the offscreen
# platform (lib/fonts/).
#   wine_run.sh --prepare <runtime folder> <qt prefix>   makes the folder, boots its prefix
#   wine_run.sh <runtime folder> <program.exe> [arguments...]
set -euo pipefail

wine=$(command -v wine64 || command -v wine) || { echo "wine_run: no wine64 or wine" >&2; exit 1; }

use_runtime() {
    runtime=$(cd "$1" && pwd)
    # HOME too: a fresh prefix links Desktop and Pictures to the user's own folders.
    export WINEPREFIX=$runtime/prefix HOME=$runtime/home WINEDEBUG=-all WINEPATH=$runtime/bin
    # Headless, and kept apart from the X prefix of the smoke run.
    unset DISPLAY WAYLAND_DISPLAY
}

if [[ "${1:-}" == --prepare ]]; then
    (($# == 3)) || { echo "usage: wine_run.sh --prepare <runtime folder> <qt prefix>" >&2; exit 2; }
    mkdir -p "$2"
    use_runtime "$2"
    qt=$3
    rm -rf "${runtime:?}/bin" "${runtime:?}/plugins" "${runtime:?}/lib"
    mkdir -p "$runtime/bin" "$runtime/lib/fonts" "$HOME"
    # Copies, not links: the relocatable Qt takes its prefix (plugins, lib/fonts) from where
    # Qt6Core.dll is, and Wine names a linked DLL by the link's folder only sometimes.
    cp "$qt"/bin/*.dll "$runtime/bin/"
    cp -r "$qt/plugins" "$runtime/plugins"
    for dll in libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll; do
        cp "$(x86_64-w64-mingw32-g++-posix -print-file-name="$dll")" "$runtime/bin/"
    done
    # Qt's offscreen platform on Windows reads fonts only from <prefix>/lib/fonts (or from
    # QT_QPA_FONTDIR, which Wine drops); the layout font falls back to these two families.
    cp /usr/share/fonts/truetype/liberation2/LiberationSans-{Regular,Bold,Italic,BoldItalic}.ttf \
        /usr/share/fonts/truetype/dejavu/DejaVuSans{,-Bold}.ttf "$runtime/lib/fonts/"
    # A fresh prefix takes longer to boot than a test's discovery may; no Mono or Gecko dialogs.
    if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
        WINEDLLOVERRIDES="mscoree,mshtml=" "$wine" wineboot -i >/dev/null 2>&1
        wineserver -w
    fi
    exit 0
fi

(($# >= 2)) || { echo "usage: wine_run.sh <runtime folder> <program.exe> [arguments...]" >&2; exit 2; }
use_runtime "$1"
shift
[[ -f "$WINEPREFIX/system.reg" ]] || { echo "wine_run: $WINEPREFIX not prepared (wine_run.sh --prepare)" >&2; exit 1; }
# Wine's own services (rpcss, plugplay, ...), started on demand by whichever program first needs
# them, inherit its output and outlive it: were that ctest's pipe, ctest would wait for its end
# until the test timed out. So the program writes to files, which tail passes on until it ends,
# without the CR of the Windows line ends, which ctest's test discovery would take into names.
out=$(mktemp -d)
# Made before tail opens them, which may be before the program's redirection does.
: >"$out/stdout"
: >"$out/stderr"
"$wine" "$@" >"$out/stdout" 2>"$out/stderr" &
pid=$!
tail -s 0.05 -n +1 -f --pid="$pid" "$out/stderr" | tr -d '\r' >&2 &
tail -s 0.05 -n +1 -f --pid="$pid" "$out/stdout" | tr -d '\r'
status=0
wait "$pid" || status=$?
wait
rm -rf "$out"
exit "$status"
