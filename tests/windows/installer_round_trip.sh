#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# A Windows installer under Wine, in a prefix of its own, as a school's administrator deploys
# it: silently, over an older version (0.9.1, made here from a small folder with files this
# version no longer has), then removed again.
#   NSIS (…-setup.exe): for the current user (/S) and for all users into a folder of one's own
#   (/S /AllUsers /D=C:\Schule\Wellen); neither uninstaller nor installer goes on while Orvane
#   runs from the folder; the uninstall key's QuietUninstallString removes it.
#   MSI (…-x64.msi): per machine with msiexec /i … /qn, removed with msiexec /x … /qn.
# Each time: no file of the older version is left, the Start-menu links, the uninstall key with
# its values, the three installed programs answering --version, the installer's version
# resource in German and English; after uninstalling, no file and no registry value that was
# not there before.
# usage: tests/windows/installer_round_trip.sh <wellenlehre-x.y-setup.exe | wellenlehre-x.y-x64.msi>
set -euo pipefail
if (($# != 1)) || [[ ! -f "$1" || "$1" != *-setup.exe && "$1" != *-x64.msi ]]; then
    echo "usage: installer_round_trip.sh <wellenlehre-x.y-setup.exe | wellenlehre-x.y-x64.msi>" >&2
    exit 2
fi
installer=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
version=$(basename "$installer" | sed -E 's/^wellenlehre-(.*)-(setup\.exe|x64\.msi)$/\1/')

# Orvane runs during the NSIS round trip: a virtual X server, apart from the smoke run's 170.
if [[ -z "${ROUND_TRIP_UNDER_XVFB:-}" ]]; then
    export ROUND_TRIP_UNDER_XVFB=1
    exec xvfb-run -a -n 175 -s "-screen 0 1280x1024x24" "$0" "$@"
fi

# Wine's own menu builder mirrors Start-menu links as Linux menu entries, which it keeps
# track of in the registry; Windows has nothing of the kind.
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
# shellcheck source=tests/windows/wine_prefix.sh
source "$source_dir/tests/windows/wine_prefix.sh"

windows_var() { "$wine" cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
unix_path() { "$wine" winepath.exe -u "$1" 2>/dev/null | tr -d '\r'; }
uninstall_root='Software\Microsoft\Windows\CurrentVersion\Uninstall'
# A key's values as "name value" lines; empty when the key is missing.
key_values() { "$wine" reg query "$1" 2>/dev/null | tr -d '\r' | sed -n 's/^ *\([A-Za-z]*\) *REG_[A-Z_]* *\(.*\)$/\1 \2/p'; }
value() { sed -n "s/^$1 //p" <<<"$values"; }

# Every file and folder of drive C:, every registry value by key and name; written once the
# server has ended and saved the registry.
snapshot() {
    wineserver -w
    {
        find "$WINEPREFIX/drive_c" -mindepth 1 -printf 'file %P\n'
        for hive in system user; do
            awk -v hive="$hive" '/^\[/ { key = $0; sub(/\] [0-9]*$/, "]", key); next }
                /^("|@)/ { name = $0; sub(/=.*/, "", name); print "value", hive, key, name }' \
                "$WINEPREFIX/$hive.reg"
        done
    } | LC_ALL=C sort >"$1"
}
# What an uninstall left that the snapshot had not, but for what Windows keeps or removes by
# itself: its Installer cache folder (empty), the per-user programs folder (a known folder
# that other programs use too), and NSIS's temporary copy of its uninstaller, which it has
# Windows delete at the next restart.
left_behind() {
    local now=$work/now
    snapshot "$now"
    LC_ALL=C comm -13 "$1" "$now" | grep -v -e '^file windows/Installer$' \
        -e '^file users/[^/]*/AppData/Local/Programs$' -e '^file users/[^/]*/Temp/~nsu[^/]*\.tmp' \
        -e '^value system .*Session Manager\] "PendingFileRenameOperations"$' | tr '\n' ' ' || true
}

# The older version: each program a stub, a file and a folder this version lacks.
old_version=0.9.1
old=$work/old/wellenlehre
mkdir -p "$old/obsolete"
cp "$source_dir/LICENSE" "$old/LICENSE.txt"
for program in orvane kestrup tilmora; do echo stub >"$old/$program.exe"; done
echo "$old_version" >"$old/obsolete/old.txt"
echo "$old_version" >"$old/Qt5Old.dll"
mapfile -t old_installers < <("$source_dir/packaging/windows/installers.sh" "$old" "$old_version" "$work/old")
if ((${#old_installers[@]} != 2)); then
    fail "packaging/windows/installers.sh made no installers of $old_version"
    summary
fi

run() { # run <what> <command>...: runs it under Wine, checks its status 0
    local what=$1 status=0
    shift
    "$wine" "$@" >/dev/null 2>&1 || status=$?
    check "$what: status $status" test $status = 0
}

installed() { # installed <what> <Windows folder> <Start-menu folder, Unix>: the folder, links, programs
    local what=$1 folder program out status missing=()
    folder=$(unix_path "$2")
    check "$what: no folder $2" test -d "$folder"
    check "$what: files of $old_version left: $(cd "$folder" 2>/dev/null && ls -d obsolete Qt5Old.dll 2>/dev/null)" \
        test ! -e "$folder/obsolete" -a ! -e "$folder/Qt5Old.dll"
    for program in Orvane Kestrup Tilmora; do
        [[ -f "$3/$program.lnk" ]] || missing+=("$program.lnk")
    done
    check "$what: Start menu $3 lacks ${missing[*]}" test ${#missing[@]} = 0
    # Status 53 with WINEDEBUG=-all: a DLL the program needs is not in the folder.
    for program in orvane kestrup tilmora; do
        status=0
        out=$(timeout 60 "$wine" "$folder/$program.exe" --version 2>/dev/null | tr -d '\r') || status=$?
        check "$what: $program.exe --version: status $status, output '$out'" \
            test "$status|$out" = "0|$program $version"
    done
}

if [[ "$installer" == *.exe ]]; then
    # Explorer shows the version resource of the user's language; the numbers are four.
    numbers=$(tr . ' ' <<<"$version.0.0.0" | awk '{ print $1 "." $2 "." $3 "." $4 }')
    for language in 1031 1033; do
        check "version resource $language of $(basename "$installer"): $(version_numbers "$installer" $language)" \
            test "$(version_numbers "$installer" $language)" = "$numbers $numbers"
    done
    check "the German and English descriptions of the installer" test \
        "$(version_string "$installer" 1031 FileDescription)|$(version_string "$installer" 1033 FileDescription)" \
        = "Wellenlehre $version – Installation|Wellenlehre $version – Setup"
    check "version resource of the $old_version installer: $(version_numbers "${old_installers[0]}" 1033)" \
        test "$(version_numbers "${old_installers[0]}" 1033)" = "0.9.1.0 0.9.1.0"
fi

# A school's folder for its programs, there before the installation and kept after it.
mkdir -p "$WINEPREFIX/drive_c/Schule"
before=$work/before
snapshot "$before"

if [[ "$installer" == *.msi ]]; then
    # Wine's msiexec puts a per-machine product's links in the user's Start menu, where
    # Windows takes the all-users one: either counts.
    folder=$(windows_var ProgramFiles)'\Wellenlehre'
    run "MSI $old_version: msiexec /i /qn" msiexec /i "${old_installers[1]}" /qn
    check "MSI $old_version: not in $folder" test -f "$(unix_path "$folder")/obsolete/old.txt"
    run "MSI: msiexec /i /qn" msiexec /i "$installer" /qn
    links=
    for menu in "$(windows_var ProgramData)" "$(windows_var APPDATA)"; do
        candidate=$(unix_path "$menu\\Microsoft\\Windows\\Start Menu\\Programs\\Wellenlehre")
        [[ -d "$candidate" ]] && links=$candidate
    done
    installed "MSI" "$folder" "${links:-no Start-menu folder Wellenlehre}"
    products=$("$wine" reg query "HKLM\\$uninstall_root" /s 2>/dev/null | tr -d '\r' |
        awk '/^HKEY/ { key = $0 } $1 == "DisplayName" && $3 == "Wellenlehre" { print key }')
    check "MSI: not one product Wellenlehre but: $products" test "$(wc -l <<<"$products")" = 1
    values=$(key_values "$products")
    check "MSI: the product's key holds: $(tr '\n' ';' <<<"$values")" test \
        "$(value DisplayVersion)|$(value Publisher)" = "$version|The Wellenlehre developers"
    run "MSI: msiexec /x /qn" msiexec /x "$installer" /qn
    check "MSI: after uninstalling, the folder is left" test ! -e "$(unix_path "$folder")"
    check "MSI: after uninstalling, the links are left" test ! -e "$links"
    check "MSI: after uninstalling, left behind: $(left_behind "$before")" test -z "$(left_behind "$before")"
    summary
    exit
fi

for mode in CurrentUser AllUsers; do
    if [[ $mode == CurrentUser ]]; then
        arguments=(/S) chosen=() root=HKCU
        old_folder=$(windows_var LOCALAPPDATA)'\Programs\Wellenlehre' folder=$old_folder
        menu=$(windows_var APPDATA) desktop=$(windows_var USERPROFILE)'\Desktop'
    else
        # The folder of one's own: /D= must hold against the mode's default.
        arguments=(/S /AllUsers) chosen=('/D=C:\Schule\Wellen') root=HKLM
        old_folder=$(windows_var ProgramFiles)'\Wellenlehre' folder='C:\Schule\Wellen'
        menu=$(windows_var ProgramData) desktop=$(windows_var PUBLIC)'\Desktop'
    fi
    links=$(unix_path "$menu\\Microsoft\\Windows\\Start Menu\\Programs\\Wellenlehre")
    desktop=$(unix_path "$desktop")
    key="$root\\$uninstall_root\\Wellenlehre"

    run "$mode: the $old_version installer" "${old_installers[0]}" "${arguments[@]}"
    check "$mode: $old_version not in $old_folder" test -f "$(unix_path "$old_folder")/obsolete/old.txt"
    run "$mode: the installer over $old_version" "$installer" "${arguments[@]}" "${chosen[@]}"
    [[ "$old_folder" == "$folder" ]] ||
        check "$mode: $old_folder of $old_version is left" test ! -e "$(unix_path "$old_folder")"
    installed "$mode" "$folder" "$links"
    check "$mode: desktop links made though not chosen" test ! -e "$desktop/Orvane.lnk"

    values=$(key_values "$key")
    missing=()
    for name in DisplayName DisplayVersion Publisher UninstallString QuietUninstallString \
        DisplayIcon InstallLocation NoModify NoRepair EstimatedSize; do
        [[ -n "$(value $name)" ]] || missing+=("$name")
    done
    check "$mode: $key lacks ${missing[*]}" test ${#missing[@]} = 0
    check "$mode: uninstall key holds: $(tr '\n' ';' <<<"$values")" test \
        "$(value DisplayName)|$(value DisplayVersion)|$(value Publisher)|$(value InstallLocation)" \
        = "Wellenlehre|$version|The Wellenlehre developers|$folder"
    uninstall=$(value QuietUninstallString)
    uninstaller=${uninstall#\"}
    uninstaller=${uninstaller%%\"*}
    read -ra options <<<"${uninstall##*\"}"

    if [[ $mode == CurrentUser ]]; then
        # While Orvane runs from the folder, the uninstaller (run in place by "_?=", so that
        # its status is seen) and the installer end with status 2 and change nothing. Wine
        # lets a running program's files be deleted; Windows does not.
        (cd "$(unix_path "$folder")" && exec "$wine" orvane.exe >/dev/null 2>&1) &
        orvane=$!
        shown=1
        for _ in $(seq 300); do
            # Its start menu, in German or, where Wine takes an English locale, in English.
            xdotool search --onlyvisible --name 'Zeigerformalismus|Phasor method' >/dev/null 2>&1 && { shown=0; break; }
            sleep 0.1
        done
        check "$mode: the installed Orvane shows no window" test $shown = 0
        status=0
        "$wine" "$uninstaller" "${options[@]}" "_?=$folder" >/dev/null 2>&1 || status=$?
        check "$mode: the uninstaller while Orvane runs: status $status" test $status = 2
        status=0
        "$wine" "$installer" "${arguments[@]}" >/dev/null 2>&1 || status=$?
        check "$mode: the installer while Orvane runs: status $status" test $status = 2
        check "$mode: files removed while Orvane runs" test -f "$(unix_path "$folder")/Qt6Core.dll" \
            -a -n "$(key_values "$key")"
        kill "$orvane" 2>/dev/null || true
        wait "$orvane" 2>/dev/null || true
    fi

    # As Windows' Apps settings would: the quiet uninstall command, which hands over to a
    # copy of itself in a temporary folder and returns at once; wait for that copy.
    "$wine" "$uninstaller" "${options[@]}" >/dev/null 2>&1 || true
    for ((i = 0; i < 60; i++)); do
        [[ ! -e "$(unix_path "$folder")" && -z "$(key_values "$key")" ]] && break
        sleep 1
    done
    check "$mode: after uninstalling, the folder is left: $(find "$(unix_path "$folder")" -mindepth 1 -printf '%P ' 2>&1)" \
        test ! -e "$(unix_path "$folder")"
    check "$mode: after uninstalling, the links are left" test ! -e "$links"
    check "$mode: after uninstalling, the uninstall key is left" test -z "$(key_values "$key")"
    check "$mode: after uninstalling, left behind: $(left_behind "$before")" test -z "$(left_behind "$before")"
done

summary
