# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Included by the top-level CMakeLists.txt for Windows, before any target: sets
#   TESSK_RUNTIME_DLLS   the runtime DLLs the program and Qt load, which the packages carry and the
#                        tests find on their search path
#   TESSK_PACKAGE_NAME   the zip's, the installer's and the MSI's name, without extension
#   TESSK_PACKAGE_DIR    where the target windows-packages leaves them
# The DLLs of the compiler's runtime and zlib's, which the program and Qt load: found where the
# compiler finds its libraries, shipped beside the program and put on the tests' search path.
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll zlib1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    if(NOT IS_ABSOLUTE "${path}")
        message(FATAL_ERROR "The compiler does not know where ${dll} is")
    endif()
    file(REAL_PATH ${path} path)
    list(APPEND TESSK_RUNTIME_DLLS ${path})
endforeach()
# The zip and the installer are named after this; windows-packages leaves them in this folder.
set(TESSK_PACKAGE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-win64)
set(TESSK_PACKAGE_DIR ${CMAKE_BINARY_DIR}/packages CACHE PATH "Where windows-packages leaves the zip and the installer")
