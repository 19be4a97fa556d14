# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Included by tests/CMakeLists.txt on every platform.

# tessk_under_wine(TEST...): for Windows, the tests' programs run under Wine (the toolchain's
# emulator) in the build's shared prefix, on the Wine server that the fixture wine readies once for
# the whole stage (wine-prefix.sh); Qt's DLLs and the runtime's are found on WINEPATH. Elsewhere it
# does nothing. TESSK_WINE_CLEAN_PREFIX is the fresh prefix that the tests from outside copy.
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
        test -s "$log" || echo "${0##*/} wrote no report, and ended with status $status"
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
    # Wine's own errors (a program that crashed while it loaded, say) reach the test's output, which
    # ctest shows when the test fails.
    set(TESSK_WINE_ENVIRONMENT WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all,err+all "WINEDLLOVERRIDES=mscoree,mshtml="
        "WINEPATH=${search_path}")
    set(TESSK_WINE_CLEAN_PREFIX ${CMAKE_BINARY_DIR}/wine-clean)
    add_test(NAME wine_prefix COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-prefix.sh
        ${TESSK_WINE_CLEAN_PREFIX} ${CMAKE_BINARY_DIR}/wine)
    add_test(NAME wine_server_end COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/wine-prefix.sh --end ${CMAKE_BINARY_DIR}/wine)
    set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
    set_tests_properties(wine_server_end PROPERTIES FIXTURES_CLEANUP wine)
endif()
