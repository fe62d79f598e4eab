# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers

# The English FileDescription of each program, beside the German one its call gives.
set(WELLENLEHRE_DESCRIPTION_EN_orvane "Orvane – Phasor method and Huygens–Fresnel principle")
set(WELLENLEHRE_DESCRIPTION_EN_kestrup "Kestrup – Phasors of two waves")
set(WELLENLEHRE_DESCRIPTION_EN_tilmora "Tilmora – Interference of two coherent waves")

# wellenlehre_windows_program(<target> <description>)
# On Windows: makes the program one with windows only (no console of its own) and gives its
# .exe its icon (packaging/icons/<target>.svg, drawn at 16 to 256 pixels) and a version resource
# with <description> as its German FileDescription and WELLENLEHRE_DESCRIPTION_EN_<target> as
# its English one; elsewhere it does nothing. The icon is made at build time from the SVG, so no
# binary icon is kept in the sources.
function(wellenlehre_windows_program target description)
    if(NOT WIN32)
        return()
    endif()
    if(NOT DEFINED WELLENLEHRE_DESCRIPTION_EN_${target})
        message(FATAL_ERROR "wellenlehre_windows_program: no WELLENLEHRE_DESCRIPTION_EN_${target}")
    endif()
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    if(NOT CMAKE_RC_COMPILER_LOADED)
        message(FATAL_ERROR "wellenlehre_windows_program: no resource compiler (RC language not enabled)")
    endif()
    find_program(WELLENLEHRE_RSVG_CONVERT rsvg-convert REQUIRED)
    find_program(WELLENLEHRE_ICOTOOL icotool REQUIRED)

    set(svg ${PROJECT_SOURCE_DIR}/packaging/icons/${target}.svg)
    cmake_path(NORMAL_PATH svg)
    set(work ${CMAKE_CURRENT_BINARY_DIR}/${target}_icon)
    set(icon ${CMAKE_CURRENT_BINARY_DIR}/${target}.ico)

    # Small sizes as bitmaps for old shells; 256 as PNG (-r), which keeps the icon small.
    set(render)
    set(bitmaps)
    foreach(size 16 24 32 48 64 256)
        list(APPEND render COMMAND ${WELLENLEHRE_RSVG_CONVERT} -w ${size} -h ${size} -o ${work}/${size}.png ${svg})
        if(size EQUAL 256)
            list(APPEND bitmaps -r ${work}/${size}.png)
        else()
            list(APPEND bitmaps ${work}/${size}.png)
        endif()
    endforeach()
    add_custom_command(OUTPUT ${icon}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${work}
        ${render}
        COMMAND ${WELLENLEHRE_ICOTOOL} -c -o ${icon} ${bitmaps}
        DEPENDS ${svg}
        COMMENT "Icon ${target}.ico from ${target}.svg"
        VERBATIM)

    # The template's variables; FILEVERSION wants four numbers, the product keeps its own.
    set(rc_target ${target})
    set(rc_description_de "${description}")
    set(rc_description_en "${WELLENLEHRE_DESCRIPTION_EN_${target}}")
    set(rc_icon ${icon})
    set(rc_product_version ${PROJECT_VERSION})
    set(numbers)
    foreach(part MAJOR MINOR PATCH TWEAK)
        if("${PROJECT_VERSION_${part}}" STREQUAL "")
            list(APPEND numbers 0)
        else()
            list(APPEND numbers ${PROJECT_VERSION_${part}})
        endif()
    endforeach()
    list(JOIN numbers "," rc_version_commas)
    list(JOIN numbers "." rc_version_dots)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/version.rc.in ${rc} @ONLY)

    # windres does not report the icon as a dependency, hence OBJECT_DEPENDS.
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS ${icon})
    target_sources(${target} PRIVATE ${rc} ${icon})
endfunction()
