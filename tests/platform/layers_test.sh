#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Each layer of the platform includes only from itself and the layers below it; a file outside
# every layer, or a layer this list does not know, fails as well.
# usage: layers_test.sh <platform folder>
set -euo pipefail
cd "$1"
layers=(windowsystem drawing loop widgets lesson startup) # from the bottom up
rank() {
    local i
    for i in "${!layers[@]}"; do [[ ${layers[i]} == "$1" ]] && echo "$i" && return; done
    echo -1
}
failures=0
while IFS= read -r file; do
    layer=${file%%/*}
    own=$(rank "$layer")
    if [[ $file != */* || $own -lt 0 ]]; then
        echo "FAIL: $file lies in no layer"
        failures=$((failures + 1))
        continue
    fi
    while IFS= read -r included; do
        [[ $included == */* ]] || continue # the layer's own header
        used=$(rank "${included%%/*}")
        if ((used < 0 || used > own)); then
            echo "FAIL: $file ($layer) includes platform/$included"
            failures=$((failures + 1))
        fi
    done < <(sed -n 's,^#include [<"]platform/\([^">]*\)[">].*,\1,p; s,^#include "\([^"/]*\)".*,\1,p' "$file")
done < <(find . -name '*.cpp' -o -name '*.h' | sed 's,^\./,,' | sort)
echo "$failures layer crossings"
((failures == 0))
