# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Fails on any of SOURCES that uses a compiler's own keyword: __extension__ silences
# -pedantic-errors, and the others name what the standard lacks.
foreach(source IN LISTS SOURCES)
    file(STRINGS ${source} found REGEX "__(extension|int128|attribute|builtin_[a-z_]*|asm|typeof|declspec)(__)?")
    if(found)
        message(FATAL_ERROR "${source} goes beyond standard C++:\n${found}")
    endif()
endforeach()
