# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Sourced by the Windows tests under Wine: a Wine prefix of their own in a temporary folder
# ($work), booted, its server ended and the folder removed at the end; the count of checks;
# the version resources of a Windows program.
wine=$(command -v wine64 || command -v wine) || { echo "FAIL: no wine64 or wine" >&2; exit 1; }
work=$(mktemp -d)
# HOME too: a fresh prefix links Desktop, Documents and Pictures to the user's own folders.
export WINEPREFIX=$work/prefix HOME=$work/home WINEDEBUG=-all
mkdir -p "$HOME"
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
# No Mono or Gecko: their download dialogs would wait for a click.
WINEDLLOVERRIDES="mscoree,mshtml=" "$wine" wineboot -i >/dev/null 2>&1
wineserver -w

passed=0
failed=0
pass() { passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
check() { # check <what fails> <command>...
    local what=$1
    shift
    if "$@"; then pass; else fail "$what"; fi
}
# The last line, and the status of the test.
summary() {
    echo "$passed passed, $failed failed"
    ((failed == 0))
}

# version_numbers <file> <language id>: the file and product version of the resource in that
# language (1031 German, 1033 English), as "a.b.c.d a.b.c.d".
version_numbers() {
    local hex words=() i word
    hex=$(wrestool -x --raw -t 16 -L "$2" "$1" 2>/dev/null | od -An -tx1 -v | tr -d ' \n')
    [[ "$hex" == *bd04effe* ]] || return 0
    # After VS_FIXEDFILEINFO's signature: its own version, then the four 32-bit little-endian
    # words of file and product version, each the higher number in its high half.
    hex=${hex#*bd04effe}
    for i in 1 2 3 4; do
        word=${hex:$((i * 8)):8}
        words+=("$((16#${word:6:2}${word:4:2})).$((16#${word:2:2}${word:0:2}))")
    done
    echo "${words[0]}.${words[1]} ${words[2]}.${words[3]}"
}
# version_string <file> <language id> <name>: the value in the first table of that resource.
version_string() {
    wrestool -x --raw -t 16 -L "$2" "$1" 2>/dev/null | iconv -f UTF-16LE -t UTF-8 -c |
        tr '\000-\037' '\n' | awk -v name="$3" 'found && NF { print; exit } $0 == name { found = 1 }'
}
