#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Stages the portable Windows folder: the programs, every DLL they load (found from the
# imports of the .exe files and the Qt plugins, not from a list), Qt's platform and style
# plugins, qt.conf, Qt's German and English translations, Liberation Sans, the licence, the
# licences of Qt and of the MinGW runtime, and the German and English read-me, all text files with CRLF for Notepad.
#   packaging/windows/stage.sh <qt prefix> <folder> <program.exe>...
# The folder is made anew. A DLL that is neither shipped nor part of Windows ends the
# staging with an error naming it and the file that needs it.
set -euo pipefail
(($# >= 3)) || { echo "usage: stage.sh <qt prefix> <folder> <program.exe>..." >&2; exit 2; }
qt=$(cd "$1" && pwd)
folder=$2
shift 2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
here=$source_dir/packaging/windows
triple=x86_64-w64-mingw32
sysroot=/usr/$triple
translations=/usr/share/qt6/translations
fonts=/usr/share/fonts/truetype/liberation2

fail() { echo "stage: $*" >&2; exit 1; }

# Where DLLs are taken from: the cross-built Qt, then the runtime of the compiler that built
# the programs (its -posix variant, as in cmake/mingw-w64-x86_64.cmake).
search=("$qt/bin")
for runtime in libgcc_s_seh-1.dll libstdc++-6.dll libwinpthread-1.dll; do
    path=$("$triple-g++-posix" -print-file-name="$runtime")
    [[ "$path" == /* ]] || continue
    dir=$(realpath "$(dirname "$path")")
    [[ " ${search[*]} " == *" $dir "* ]] || search+=("$dir")
done

# A DLL of Windows itself: an API set, or one the MinGW sysroot has an import library for
# (KERNEL32.dll -> libkernel32.a, WINSPOOL.DRV -> libwinspool.a).
is_system_dll() {
    local name=${1,,}
    [[ "$name" == api-ms-win-* || "$name" == ext-ms-win-* ]] && return 0
    [[ -f "$sysroot/lib/lib${name%.*}.a" ]]
}

rm -rf "$folder"
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)

queue=()
for program in "$@"; do
    [[ -f "$program" ]] || fail "no program $program"
    install -m 755 "$program" "$folder/"
    queue+=("$folder/$(basename "$program")")
done

# qwindows is the platform plugin; the styles give the native look (windowsvista). PNG, the
# only image format the programs read or write, is built into Qt6Gui: no imageformats plugin.
[[ -f "$qt/plugins/platforms/qwindows.dll" ]] || fail "no $qt/plugins/platforms/qwindows.dll"
for plugin in "$qt"/plugins/platforms/qwindows.dll "$qt"/plugins/styles/*.dll; do
    [[ -f "$plugin" ]] || continue
    kind=$(basename "$(dirname "$plugin")")
    install -D -m 755 "$plugin" "$folder/plugins/$kind/$(basename "$plugin")"
    queue+=("$folder/plugins/$kind/$(basename "$plugin")")
done

# The import closure: every DLL named by a staged file is shipped next to the programs
# (where Windows looks first) or belongs to Windows.
while ((${#queue[@]} > 0)); do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r dll; do
        [[ -f "$folder/$dll" ]] && continue
        found=
        for dir in "${search[@]}"; do
            [[ -f "$dir/$dll" ]] && { found=$dir/$dll; break; }
        done
        if [[ -n "$found" ]]; then
            install -m 755 "$found" "$folder/$dll"
            queue+=("$folder/$dll")
        elif ! is_system_dll "$dll"; then
            fail "${file#"$folder"/} needs $dll, found neither in ${search[*]} nor among Windows' DLLs"
        fi
    done < <("$triple-objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p')
done

# Symbols and debugging sections are of no use on a pupil's computer; without them the folder
# is less than half the size (Debian's libstdc++-6.dll alone carries some 20 MB). strip writes
# the time into each PE header, SOURCE_DATE_EPOCH instead when it is set (scripts/windows).
find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec "$triple-strip" --strip-unneeded {} +

# Qt's own dialogs and messages in the language the programs choose.
[[ -f "$translations/qtbase_de.qm" ]] || fail "no $translations/qtbase_de.qm (package qt6-translations-l10n)"
for language in de en; do
    [[ -f "$translations/qtbase_$language.qm" ]] &&
        install -D -m 644 "$translations/qtbase_$language.qm" "$folder/translations/qtbase_$language.qm"
done

crlf() { sed 's/\r*$/\r/' "$1" >"$2"; }

mkdir -p "$folder/fonts"
for face in Regular Bold; do
    [[ -f "$fonts/LiberationSans-$face.ttf" ]] || fail "no $fonts/LiberationSans-$face.ttf (package fonts-liberation2)"
    install -m 644 "$fonts/LiberationSans-$face.ttf" "$folder/fonts/"
done
# The fonts' copyright and the OFL, from the Debian copyright file's first paragraph,
# unfolded from its indented form.
awk '/^Files: debian/ { exit } /^(Copyright|License):/ || /^ / { print }' \
    /usr/share/doc/fonts-liberation2/copyright |
    sed -e 's/^ \.$//' -e 's/^ //' >"$folder/fonts/LICENSE.txt.lf"
grep -q 'SIL OPEN FONT LICENSE Version 1.1' "$folder/fonts/LICENSE.txt.lf" ||
    fail "no OFL text in /usr/share/doc/fonts-liberation2/copyright"
crlf "$folder/fonts/LICENSE.txt.lf" "$folder/fonts/LICENSE.txt"
rm "$folder/fonts/LICENSE.txt.lf"

# What the shipped Qt and MinGW runtime DLLs are under, as Debian, whose sources they are
# built from unchanged, states it (with the licence texts).
mkdir -p "$folder/licenses"
for entry in Qt:libqt6core6 MinGW-w64:mingw-w64-common GCC-runtime:gcc-mingw-w64-base; do
    copyright=/usr/share/doc/${entry#*:}/copyright
    [[ -f "$copyright" ]] || fail "no $copyright (package ${entry#*:})"
    crlf "$copyright" "$folder/licenses/${entry%%:*}.txt"
done

crlf "$here/qt.conf" "$folder/qt.conf"
crlf "$source_dir/LICENSE" "$folder/LICENSE.txt"
crlf "$here/LIESMICH.txt" "$folder/LIESMICH.txt"
crlf "$here/README.txt" "$folder/README.txt"
chmod -R u=rwX,go=rX "$folder"
