#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Stages the browser folder: each program's .js and .wasm with Qt's qtloader.js, the start page
# and one page per program (named and described as in the programs' desktop entries), the
# shared page.css and page.js, the icons (SVG, and the PNGs an iPad's home screen and the web-app
# manifest take), the manifest, the service worker with the list of every file, the licence, the
# licences of Qt, Emscripten's runtime and Liberation Sans, and the German and English read-me
# naming the Debian revisions the shipped Qt and runtime are built from.
#   packaging/web/stage.sh <cache> <cmake build folder> <folder> <version>
# <cache> is what scripts/web-qt prints (its file "sources" names the revisions, its root holds
# Debian's copyright files of them). The folder is made anew.
set -euo pipefail
(($# == 4)) || { echo "usage: stage.sh <cache> <cmake build folder> <folder> <version>" >&2; exit 2; }
step="reading the arguments"
trap 'echo "stage: failed while $step (${BASH_COMMAND})" >&2' ERR
cache=$(cd "$1" && pwd)
build=$(cd "$2" && pwd)
folder=$3
version=$4
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
here=$source_dir/packaging/web
programs=(orvane kestrup tilmora)

fail() {
    trap - ERR
    echo "stage: $*" >&2
    exit 1
}

step="reading the revisions of the shipped sources"
revision() { "$source_dir/packaging/source-revision.sh" "$cache/sources" "$1"; }
qt_revision=$(revision qt6-base)
emscripten_revision=$(revision emscripten)
# 6.8.2+dfsg-9+deb13u2 is Qt 6.8.2.
qt_version=${qt_revision%%[+-]*}
homepage=$(sed -n 's|.*<url type="homepage">\(.*\)</url>.*|\1|p' "$source_dir/packaging/io.github.wellenlehre.orvane.metainfo.xml")

# Text for an HTML page, then for the right side of sed's s|||.
html() { sed -e 's/&/\&amp;/g' -e 's/</\&lt;/g' -e 's/>/\&gt;/g' -e 's/"/\&quot;/g' <<<"$1"; }
replacement() { sed -e 's/[\\|&]/\\&/g' <<<"$1"; }

# fill <template> KEY=VALUE...: the template with every @KEY@ replaced, to stdout; a placeholder
# left over is an error.
fill() {
    local template=$1 pair script=() text
    shift
    for pair in "$@"; do
        script+=(-e "s|@${pair%%=*}@|$(replacement "${pair#*=}")|g")
    done
    text=$(sed "${script[@]}" "$template"; echo x)
    if grep -n '@[A-Za-z0-9_-]*@' <<<"${text%x}" >&2; then
        fail "$(basename "$template"): a placeholder is left"
    fi
    printf '%s' "${text%x}"
}

# insert <template> <file> <MARKER>...: the template with each line @MARKER@ replaced by the
# file's lines, to stdout (pairs of file and marker may follow).
insert() {
    local template=$1 script=()
    shift
    while (($# >= 2)); do
        script+=(-e "/^@$2@\$/{r $1" -e 'd}')
        shift 2
    done
    sed "${script[@]}" "$template"
}

# desktop <program> <key>: a value of the program's desktop entry, e.g. Name or Comment[en].
desktop() {
    local file=$source_dir/packaging/io.github.wellenlehre.$1.desktop value
    value=$(awk -v key="$2=" 'index($0, key) == 1 { print substr($0, length(key) + 1); exit }' "$file")
    [[ -n "$value" ]] || fail "$file has no $2"
    echo "$value"
}

step="making the folder $folder anew"
rm -rf "$folder"
mkdir -p "$folder/icons" "$folder/licenses"
folder=$(cd "$folder" && pwd)

# Qt's wasm outputs: <program>.js and <program>.wasm (not with -sSINGLE_FILE, which puts the
# .wasm into the .js), and qtloader.js, beside each other in the program's build folder.
step="copying the programs"
for program in "${programs[@]}"; do
    [[ -f "$build/$program/$program.js" ]] || fail "no $build/$program/$program.js"
    install -m 644 "$build/$program/$program.js" "$folder/"
    if [[ -f "$build/$program/$program.wasm" ]]; then
        install -m 644 "$build/$program/$program.wasm" "$folder/"
    fi
done
install -m 644 "$build/${programs[0]}/qtloader.js" "$folder/"

step="drawing the icons"
for program in "${programs[@]}"; do
    install -m 644 "$source_dir/packaging/icons/$program.svg" "$folder/icons/"
    # iOS takes no SVG for its home screen and shows a transparent corner black.
    rsvg-convert -w 180 -h 180 -b white -o "$folder/icons/$program-180.png" "$folder/icons/$program.svg"
done
for size in 192 512; do
    rsvg-convert -w "$size" -h "$size" -b white -o "$folder/icons/orvane-$size.png" "$folder/icons/orvane.svg"
done

step="writing the pages"
install -m 644 "$here/page.css" "$here/page.js" "$here/manifest.webmanifest" "$folder/"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for program in "${programs[@]}"; do
    name_de=$(desktop "$program" Name)
    name_en=$(desktop "$program" 'Name[en]')
    program_name=$(html "${name_de%% – *}")
    fields=(
        "PROGRAM=$program"
        "PROGRAM_NAME=$program_name"
        "NAME_DE=$(html "$name_de")"
        "NAME_EN=$(html "$name_en")"
        "TITLE_DE=$(html "${name_de#* – }")"
        "TITLE_EN=$(html "${name_en#* – }")"
        "COMMENT_DE=$(html "$(desktop "$program" Comment)")"
        "COMMENT_EN=$(html "$(desktop "$program" 'Comment[en]')")"
    )
    insert "$here/program.html" "$here/head.html" HEAD >"$work/page.html"
    fill "$work/page.html" "${fields[@]}" "ICON=$program" "HOME_NAME=$program_name" >"$folder/$program.html"
    fill "$here/program-entry.html" "${fields[@]}" >>"$work/entries.html"
done
# The start page's icon and manifest are Orvane's, the first program's.
insert "$here/index.html" "$here/head.html" HEAD "$work/entries.html" PROGRAMS >"$work/index.html"
fill "$work/index.html" "VERSION=$version" ICON=orvane HOME_NAME=Wellenlehre >"$folder/index.html"

# What the .wasm files carry besides the programs, as Debian, whose sources they are built from
# unchanged, states it (with the licence texts).
step="copying the licences"
install -m 644 "$source_dir/LICENSE" "$folder/LICENSE.txt"
for entry in Qt:libqt6core6t64 Emscripten:emscripten; do
    copyright=$cache/root/usr/share/doc/${entry#*:}/copyright
    [[ -f "$copyright" ]] || fail "no $copyright (package ${entry#*:} in the build root)"
    install -m 644 "$copyright" "$folder/licenses/${entry%%:*}.txt"
done
"$source_dir/packaging/font-licence.sh" "$cache/root" >"$folder/licenses/LiberationSans.txt" ||
    fail "no licence of the fonts"

step="writing the read-me files"
for readme in LIESMICH.txt README.txt; do
    fill "$here/$readme" "VERSION=$version" "HOMEPAGE=$homepage" "QT_VERSION=$qt_version" \
        "qt6-base=$qt_revision" "emscripten=$emscripten_revision" >"$folder/$readme"
done

# Every file but the worker itself, and a name that changes with any of them.
step="writing the service worker"
file_list=$(cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
digest=$(cd "$folder" && while read -r file; do sha256sum "$file"; done <<<"$file_list" |
    sha256sum | cut -c1-12)
sed -e 's/.*/    "&",/' <<<"$file_list" >"$work/files.js"
insert "$here/service-worker.js" "$work/files.js" FILES >"$work/service-worker.js"
fill "$work/service-worker.js" "CACHE=wellenlehre-$version-$digest" >"$folder/service-worker.js"

chmod -R u=rwX,go=rX "$folder"
