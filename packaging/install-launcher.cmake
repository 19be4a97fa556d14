# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Run by `cmake --install` and cpack after the program and its pictures: writes the freedesktop
# launcher for the prefix being installed into, so that Exec= is the installed program and Path=
# the installed pictures folder (the program reads its pictures from its current directory).

function(tessk_absolute result dir)
    if(IS_ABSOLUTE "${dir}")
        set(${result} "${dir}" PARENT_SCOPE)
    else()
        set(${result} "${CMAKE_INSTALL_PREFIX}/${dir}" PARENT_SCOPE)
    endif()
endfunction()

# A value of a string key: backslashes doubled.
function(tessk_desktop_string result text)
    string(REPLACE "\\" "\\\\" text "${text}")
    set(${result} "${text}" PARENT_SCOPE)
endfunction()

tessk_absolute(program "${TESSK_BINDIR}/tessk-research")
tessk_absolute(pictures "${TESSK_PICTURES_DIR}")
tessk_absolute(applications "${TESSK_DATADIR}/applications")
if(program MATCHES "[\n\r\t]" OR pictures MATCHES "[\n\r\t]")
    message(FATAL_ERROR "A launcher cannot name a path with a line break or tab: ${CMAKE_INSTALL_PREFIX}")
endif()

# Exec= holds the program as one argument, quoted when it holds a character the launcher's syntax
# reserves: inside the quotes \ " ` $ get a backslash. % is doubled, and then the whole is escaped
# once more as a string.
set(exec "${program}")
if(exec MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
    string(REGEX REPLACE "([\\\"`$])" "\\\\\\1" exec "${exec}")
    set(exec "\"${exec}\"")
endif()
string(REPLACE "%" "%%" exec "${exec}")
tessk_desktop_string(TESSK_DESKTOP_EXEC "${exec}")
tessk_desktop_string(TESSK_DESKTOP_PATH "${pictures}")

set(launcher "${TESSK_LAUNCHER_WORK_DIR}/${TESSK_APP_ID}.desktop")
configure_file("${TESSK_LAUNCHER_TEMPLATE}" "${launcher}" @ONLY)
file(INSTALL DESTINATION "${applications}" TYPE FILE FILES "${launcher}")
