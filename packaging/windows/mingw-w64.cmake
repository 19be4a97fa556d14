# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Cross-compiles for 64-bit Windows with Debian's mingw-w64, in its POSIX threads flavour (the one
# whose libstdc++ has std::thread and std::mutex). Used for Qt itself and for the program.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TESSK_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TESSK_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TESSK_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${TESSK_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TESSK_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Test programs run under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

# No link time in the PE headers, so that two builds of the same source give the same bytes.
foreach(kind EXE SHARED MODULE)
    set(CMAKE_${kind}_LINKER_FLAGS_INIT "-Wl,--no-insert-timestamp")
endforeach()
