# shellcheck shell=bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Sourced by the Windows tests under Wine: a Wine prefix of their own in a temporary folder
# ($work), booted, its server ended and the folder removed at the end; and the count of checks.
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
