# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Included by tests/CMakeLists.txt on every platform.

# tessk_under_wine(TEST...): for Windows, the tests' programs run under Wine (the toolchain's
# emulator) in a prefix of the build's own, which the test wine_prefix makes first; Qt's DLLs and
# the runtime's are found on WINEPATH. Elsewhere it does nothing.
function(tessk_under_wine)
    if(WIN32)
        set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT "${TESSK_WINE_ENVIRONMENT}")
        set_property(TEST ${ARGN} APPEND PROPERTY FIXTURES_REQUIRED wine)
    endif()
endfunction()

# TESSK_QT_TEST_RUNNER: what a Qt Test program runs under. Under Wine its report to standard
# output is lost, so it writes the report to a file, which is shown afterwards.
set(TESSK_QT_TEST_RUNNER)
if(WIN32)
    set(TESSK_QT_TEST_RUNNER bash -c [[
        log=$(mktemp)
        wine "$0" -o "$log,txt" "$@"
        status=$?
        cat "$log"
        rm -f "$log"
        exit $status]])
    set(search_path ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
    foreach(dll IN LISTS TESSK_RUNTIME_DLLS)
        cmake_path(GET dll PARENT_PATH folder)
        list(APPEND search_path ${folder})
    endforeach()
    list(REMOVE_DUPLICATES search_path)
    list(TRANSFORM search_path PREPEND Z:)
    string(REPLACE "/" "\\" search_path "${search_path}")
    string(REPLACE ";" "\\;" search_path "${search_path}")
    set(TESSK_WINE_ENVIRONMENT WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all "WINEDLLOVERRIDES=mscoree,mshtml="
        "WINEPATH=${search_path}")
    add_test(NAME wine_prefix
        COMMAND bash -c "test -f \"$WINEPREFIX/system.reg\" || wineboot --init; wineserver --wait")
    set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine ENVIRONMENT "${TESSK_WINE_ENVIRONMENT}")
endif()
