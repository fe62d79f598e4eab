#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# The Windows installer under Wine, in a prefix of its own, for the current user (plain /S)
# and for all users (/S /AllUsers): the Start-menu links, the uninstall key with its values,
# the three installed programs answering --version, no desktop links unless chosen; then
# the key's QuietUninstallString removes the folder, the links and the key.
# usage: tests/windows/installer_round_trip.sh <wellenlehre-x.y-setup.exe>
set -euo pipefail
if (($# != 1)) || [[ ! -f "$1" ]]; then
    echo "usage: installer_round_trip.sh <installer>" >&2
    exit 2
fi
installer=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
# shellcheck source=tests/windows/wine_prefix.sh
source "$(dirname "$0")/wine_prefix.sh"

windows_var() { "$wine" cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unix_path() { "$wine" winepath.exe -u "$1" 2>/dev/null | tr -d '\r'; }
key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Wellenlehre'
# The key's values as "name value" lines; empty when the key is missing.
key_values() { "$wine" reg query "$1\\$key" 2>/dev/null | tr -d '\r' | sed -n 's/^ *\([A-Za-z]*\) *REG_[A-Z_]* *\(.*\)$/\1 \2/p'; }
value() { sed -n "s/^$1 //p" <<<"$values"; }

for mode in CurrentUser AllUsers; do
    if [[ $mode == CurrentUser ]]; then
        arguments=(/S) root=HKCU
        programs=$(windows_var LOCALAPPDATA)'\Programs\Wellenlehre'
        menu=$(windows_var APPDATA) desktop=$(windows_var USERPROFILE)'\Desktop'
    else
        arguments=(/S /AllUsers) root=HKLM
        programs=$(windows_var ProgramFiles)'\Wellenlehre'
        menu=$(windows_var ProgramData) desktop=$(windows_var PUBLIC)'\Desktop'
    fi
    folder=$(unix_path "$programs")
    links=$(unix_path "$menu\\Microsoft\\Windows\\Start Menu\\Programs\\Wellenlehre")
    desktop=$(unix_path "$desktop")

    status=0
    "$wine" "$installer" "${arguments[@]}" >/dev/null 2>&1 || status=$?
    check "$mode: installer ended with status $status" test $status = 0
    check "$mode: no folder $programs" test -d "$folder"

    missing=()
    for link in Orvane Kestrup Tilmora; do
        [[ -f "$links/$link.lnk" ]] || missing+=("$link.lnk")
    done
    check "$mode: Start menu $links lacks ${missing[*]}" test ${#missing[@]} = 0
    check "$mode: desktop links made though not chosen" test ! -e "$desktop/Orvane.lnk"

    values=$(key_values $root)
    missing=()
    for name in DisplayName DisplayVersion Publisher UninstallString QuietUninstallString \
        DisplayIcon InstallLocation NoModify NoRepair EstimatedSize; do
        [[ -n "$(value $name)" ]] || missing+=("$name")
    done
    check "$mode: $root\\$key lacks ${missing[*]}" test ${#missing[@]} = 0
    version=$(value DisplayVersion)
    check "$mode: uninstall key holds: $(tr '\n' ';' <<<"$values")" test \
        "$(value DisplayName)|$(value Publisher)|$(value InstallLocation)" = "Wellenlehre|The Wellenlehre developers|$programs"

    # Status 53 with WINEDEBUG=-all: a DLL the program needs is not in the folder.
    for program in orvane kestrup tilmora; do
        status=0
        out=$(timeout 60 "$wine" "$folder/$program.exe" --version 2>/dev/null | tr -d '\r') || status=$?
        check "$mode: $program.exe --version: status $status, output '$out'" \
            test "$status|$out" = "0|$program $version"
    done

    # As Windows' Apps settings would: the quiet uninstall command, which hands over to a
    # copy of itself in a temporary folder and returns at once; wait for that copy.
    uninstall=$(value QuietUninstallString)
    uninstaller=${uninstall#\"}
    uninstaller=${uninstaller%%\"*}
    read -ra options <<<"${uninstall##*\"}"
    "$wine" "$uninstaller" "${options[@]}" >/dev/null 2>&1 || true
    for ((i = 0; i < 60; i++)); do
        [[ ! -e "$folder" && -z "$(key_values $root)" ]] && break
        sleep 1
    done
    check "$mode: after uninstalling, the folder is left: $(find "$folder" -mindepth 1 -printf '%P ' 2>&1)" test ! -e "$folder"
    check "$mode: after uninstalling, the links are left" test ! -e "$links"
    check "$mode: after uninstalling, the uninstall key is left" test -z "$(key_values $root)"
done

summary
