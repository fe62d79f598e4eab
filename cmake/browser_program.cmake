# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers

# A program for the browser (Qt for WebAssembly): <target>.js and <target>.wasm, started by the
# page that scripts/web stages.
#
# The loops of the programs yield inside event handlers; a page can only suspend the program
# there and resume it later, which Asyncify makes possible. Its stack keeps the suspended loops,
# nested as deep as the programs let them nest.
function(wellenlehre_browser_program target)
    if(NOT EMSCRIPTEN)
        return()
    endif()
    target_link_options(${target} PRIVATE
        -sASYNCIFY
        -sASYNCIFY_STACK_SIZE=1048576
        -sSTACK_SIZE=8388608
    )
endfunction()
