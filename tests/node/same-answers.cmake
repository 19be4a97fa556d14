# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# cmake -D NODE=... -D WEB=board-driver.js -D NATIVE=board-driver -D COMMANDS=... -P same-answers.cmake
# The web driver under node gives the native driver's answers, message and status on COMMANDS.
cmake_minimum_required(VERSION 3.25)
set(NATIVE_command ${NATIVE})
set(WEB_command ${NODE} ${WEB})
foreach(run NATIVE WEB)
    execute_process(COMMAND ${${run}_command} INPUT_FILE ${COMMANDS}
        OUTPUT_VARIABLE ${run}_out ERROR_VARIABLE ${run}_err RESULT_VARIABLE ${run}_status)
endforeach()
foreach(part out err status)
    if(NOT NATIVE_${part} STREQUAL WEB_${part})
        message(FATAL_ERROR "The drivers differ in their ${part}:\n"
            "native:\n${NATIVE_${part}}\nweb:\n${WEB_${part}}")
    endif()
endforeach()
string(REGEX MATCHALL "\n" lines "${NATIVE_out}")
list(LENGTH lines count)
message(STATUS "${count} answers alike, and the status ${NATIVE_status}")
