# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Wellenlehre developers
# Cross toolchain for the Windows build (x86_64-w64-mingw32, Debian's mingw-w64 packages).
# Used both for the cached Qt and GoogleTest (scripts/windows-qt) and for the project itself:
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
#         "-DCMAKE_PREFIX_PATH=<cache>/qt;<cache>/gtest" -DQT_HOST_PATH=/usr ...
# scripts/windows-qt hashes this file into the cache key: editing it rebuilds the cached Qt.

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(WELLENLEHRE_MINGW_TRIPLE x86_64-w64-mingw32)

# The -posix variants: Qt needs the posix thread model (std::thread, std::mutex);
# the default -win32 variants lack it.
set(CMAKE_C_COMPILER ${WELLENLEHRE_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${WELLENLEHRE_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${WELLENLEHRE_MINGW_TRIPLE}-windres)
find_program(CMAKE_AR ${WELLENLEHRE_MINGW_TRIPLE}-gcc-ar-posix)
find_program(CMAKE_RANLIB ${WELLENLEHRE_MINGW_TRIPLE}-gcc-ranlib-posix)

# Libraries, headers and CMake packages come only from the MinGW sysroot and from the
# prefixes given on the command line (the cached Qt and GoogleTest), never from the
# Linux host's /usr; programs (moc, uic, rcc via QT_HOST_PATH, ninja) come from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${WELLENLEHRE_MINGW_TRIPLE})
foreach(prefix IN LISTS CMAKE_PREFIX_PATH)
    list(APPEND CMAKE_FIND_ROOT_PATH "${prefix}")
endforeach()
list(REMOVE_DUPLICATES CMAKE_FIND_ROOT_PATH)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No runtime linking choice here on purpose: executables link libgcc, libstdc++ and
# winpthread as DLLs by default; a build that wants them static passes
# -DCMAKE_EXE_LINKER_FLAGS="-static-libgcc -static-libstdc++" without touching this file.
