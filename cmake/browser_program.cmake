# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers

# A program for the browser (Qt for WebAssembly): <target>.js and <target>.wasm, started by the
# page that scripts/web stages.
#
# The loops of the programs yield inside event handlers; a page can only suspend the program
# there and resume it later, which Asyncify makes possible. Its stack keeps the suspended loops,
# nested as deep as the programs let them nest (Qt gives the program a stack of 5 MB).
function(wellenlehre_browser_program target)
    if(NOT EMSCRIPTEN)
        return()
    endif()
    target_link_options(${target} PRIVATE
        -sASYNCIFY
        -sASYNCIFY_STACK_SIZE=1048576
        # Libraries that draw, decode and lay out text never reach a yield: left as they are,
        # they keep their speed, and the programs are about 1.1 MB (5 %) smaller.
        -sASYNCIFY_REMOVE=@${CMAKE_CURRENT_FUNCTION_LIST_DIR}/asyncify_remove.txt
    )
endfunction()
