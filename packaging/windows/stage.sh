#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Stages the portable Windows folder: the programs, every DLL they load (found from the
# imports of the .exe files and the Qt plugins, not from a list), Qt's platform and style
# plugins, qt.conf, Qt's German and English translations, Liberation Sans, the licence, the
# licences of Qt and of the MinGW runtime, and the German and English read-me naming the Debian
# revisions the shipped Qt and runtime are built from, all text files with CRLF for Notepad.
#   packaging/windows/stage.sh <qt prefix> <folder> <program.exe>...
# The revisions are read from the file "sources" beside the Qt prefix (scripts/windows-qt
# writes it). The folder is made anew. A DLL that is neither shipped nor part of Windows ends
# the staging with an error naming it and the file that needs it; any other failed step says
# which step it was.
set -euo pipefail
(($# >= 3)) || { echo "usage: stage.sh <qt prefix> <folder> <program.exe>..." >&2; exit 2; }
step="reading the arguments"
trap 'echo "stage: failed while $step (${BASH_COMMAND})" >&2' ERR
qt=$(cd "$1" && pwd)
folder=$2
shift 2
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
here=$source_dir/packaging/windows
triple=x86_64-w64-mingw32
sysroot=/usr/$triple
translations=/usr/share/qt6/translations
fonts=/usr/share/fonts/truetype/liberation2

fail() {
    trap - ERR
    echo "stage: $*" >&2
    exit 1
}

step="reading the revisions of the shipped sources"
revision() { "$source_dir/packaging/source-revision.sh" "$(dirname "$qt")/sources" "$1"; }
qt_revision=$(revision qt6-base)
compiler_revision=$(revision gcc-mingw-w64)
runtime_revision=$(revision mingw-w64)

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

step="making the folder $folder anew"
rm -rf "$folder"
mkdir -p "$folder"
folder=$(cd "$folder" && pwd)

step="copying the programs"
queue=()
for program in "$@"; do
    [[ -f "$program" ]] || fail "no program $program"
    install -m 755 "$program" "$folder/"
    queue+=("$folder/$(basename "$program")")
done

# qwindows is the platform plugin; the styles give the native look (windowsvista). PNG, the
# only image format the programs read or write, is built into Qt6Gui: no imageformats plugin.
step="copying Qt's plugins"
[[ -f "$qt/plugins/platforms/qwindows.dll" ]] || fail "no $qt/plugins/platforms/qwindows.dll"
for plugin in "$qt"/plugins/platforms/qwindows.dll "$qt"/plugins/styles/*.dll; do
    [[ -f "$plugin" ]] || continue
    kind=$(basename "$(dirname "$plugin")")
    install -D -m 755 "$plugin" "$folder/plugins/$kind/$(basename "$plugin")"
    queue+=("$folder/plugins/$kind/$(basename "$plugin")")
done

# The import closure: every DLL named by a staged file is shipped next to the programs
# (where Windows looks first) or belongs to Windows.
step="collecting the DLLs the programs and plugins load"
while ((${#queue[@]} > 0)); do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    # Read first: a failed objdump in "< <(...)" would pass unnoticed, leaving DLLs out.
    imports=$("$triple-objdump" -p "$file" | sed -n 's/^\s*DLL Name: //p')
    while read -r dll; do
        [[ -n "$dll" ]] || continue
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
    done <<<"$imports"
done

# Symbols and debugging sections are of no use on a pupil's computer; without them the folder
# is less than half the size (Debian's libstdc++-6.dll alone carries some 20 MB). strip writes
# the time into each PE header, SOURCE_DATE_EPOCH instead when it is set (scripts/windows).
step="stripping the programs and DLLs"
find "$folder" \( -name '*.exe' -o -name '*.dll' \) -exec "$triple-strip" --strip-unneeded {} +

# Qt's own dialogs and messages in the language the programs choose.
step="copying Qt's translations"
[[ -f "$translations/qtbase_de.qm" ]] || fail "no $translations/qtbase_de.qm (package qt6-translations-l10n)"
for language in de en; do
    [[ -f "$translations/qtbase_$language.qm" ]] &&
        install -D -m 644 "$translations/qtbase_$language.qm" "$folder/translations/qtbase_$language.qm"
done

crlf() { sed 's/\r*$/\r/' "$1" >"$2"; }

step="copying the fonts and their licence"
mkdir -p "$folder/fonts"
for face in Regular Bold; do
    [[ -f "$fonts/LiberationSans-$face.ttf" ]] || fail "no $fonts/LiberationSans-$face.ttf (package fonts-liberation2)"
    install -m 644 "$fonts/LiberationSans-$face.ttf" "$folder/fonts/"
done
"$source_dir/packaging/font-licence.sh" >"$folder/fonts/LICENSE.txt.lf" ||
    fail "no licence of the fonts"
crlf "$folder/fonts/LICENSE.txt.lf" "$folder/fonts/LICENSE.txt"
rm "$folder/fonts/LICENSE.txt.lf"

# What the shipped Qt and MinGW runtime DLLs are under, as Debian, whose sources they are
# built from unchanged, states it (with the licence texts).
step="copying the licences of Qt and the MinGW runtime"
mkdir -p "$folder/licenses"
for entry in Qt:libqt6core6 MinGW-w64:mingw-w64-common GCC-runtime:gcc-mingw-w64-base; do
    copyright=/usr/share/doc/${entry#*:}/copyright
    [[ -f "$copyright" ]] || fail "no $copyright (package ${entry#*:})"
    crlf "$copyright" "$folder/licenses/${entry%%:*}.txt"
done

step="writing qt.conf, the licence and the read-me files"
crlf "$here/qt.conf" "$folder/qt.conf"
crlf "$source_dir/LICENSE" "$folder/LICENSE.txt"
for readme in LIESMICH.txt README.txt; do
    sed -e "s/@qt6-base@/$qt_revision/g" -e "s/@gcc-mingw-w64@/$compiler_revision/g" \
        -e "s/@mingw-w64@/$runtime_revision/g" "$here/$readme" >"$folder/$readme.lf"
    ! grep -n '@[a-z0-9-]*@' "$folder/$readme.lf" || fail "$readme: a placeholder is left"
    crlf "$folder/$readme.lf" "$folder/$readme"
    rm "$folder/$readme.lf"
done
chmod -R u=rwX,go=rX "$folder"
