# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Included by the top-level CMakeLists.txt. Every word a user reads or hears besides English comes
# from one file a language, translations/tessk-research_LL.ts, for each code LL in LINGUAS: the
# window's texts (built into the program by window/form) and the launcher's and AppStream texts
# (merged into those files by packaging/). This sets
#   TESSK_LANGUAGES           the codes in LINGUAS
#   TESSK_TS_FILES            their .ts files
#   TESSK_TRANSLATED_SOURCES  what lupdate reads to find the texts: the window's and the web page's
#                             sources, and the launcher's and AppStream texts as lupdate reads them
#   TESSK_PACKAGING_CONTEXT   the context of the launcher's and AppStream texts in the .ts files
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)
find_program(TESSK_XGETTEXT xgettext REQUIRED)

file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/LINGUAS TESSK_LANGUAGES REGEX "^[a-z]")
list(TRANSFORM TESSK_LANGUAGES PREPEND ${CMAKE_CURRENT_LIST_DIR}/tessk-research_ OUTPUT_VARIABLE TESSK_TS_FILES)
list(TRANSFORM TESSK_TS_FILES APPEND .ts)

# The window's sources, and the web page's, which takes the window's texts and adds a few of its own.
file(GLOB_RECURSE TESSK_TRANSLATED_SOURCES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/window/*.cpp ${PROJECT_SOURCE_DIR}/window/*.h ${PROJECT_SOURCE_DIR}/description/*.h
    ${PROJECT_SOURCE_DIR}/web/*.cpp)

# The launcher's and AppStream texts are found by gettext, the same way msgfmt looks them up when it
# merges their translations, and written for lupdate as texts of one context of their own. The
# AppStream file is copied under a name that gettext's rules for AppStream files match.
set(TESSK_PACKAGING_CONTEXT "launcher and software centre")
set(packaging_texts ${CMAKE_BINARY_DIR}/translations/packaging-texts.cpp)
configure_file(${PROJECT_SOURCE_DIR}/packaging/tessk-research.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/translations/tessk-research.metainfo.xml COPYONLY)
set(lupdate_source "// Written by translations/translations.cmake, for lupdate alone\n")
foreach(extract
        "-L;Desktop;-k;-kGenericName;-kComment;-kKeywords;${PROJECT_SOURCE_DIR}/packaging/tessk-research.desktop.in"
        "${CMAKE_BINARY_DIR}/translations/tessk-research.metainfo.xml")
    # xgettext warns of every text that is not plain ASCII; its errors are shown when it fails.
    execute_process(COMMAND ${TESSK_XGETTEXT} --from-code=UTF-8 --no-wrap --no-location -o - ${extract}
        OUTPUT_VARIABLE texts ERROR_VARIABLE errors RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "xgettext: ${errors}")
    endif()
    # A message is one line, msgid "TEXT" with its TEXT escaped as in C; the empty one is the header.
    # Semicolons are kept out of CMake's way while the texts are a list.
    string(REPLACE ";" "<semicolon>" texts "${texts}")
    string(REGEX MATCHALL "msgid \"[^\n]+\"" texts "${texts}")
    foreach(text IN LISTS texts)
        string(REGEX REPLACE "^msgid " "QT_TRANSLATE_NOOP(\"${TESSK_PACKAGING_CONTEXT}\", " text "${text}")
        string(REPLACE "<semicolon>" ";" text "${text}")
        string(APPEND lupdate_source "${text})\n")
    endforeach()
endforeach()
file(CONFIGURE OUTPUT ${packaging_texts} CONTENT "@lupdate_source@" @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/LINGUAS ${PROJECT_SOURCE_DIR}/packaging/tessk-research.desktop.in
    ${PROJECT_SOURCE_DIR}/packaging/tessk-research.metainfo.xml.in)
list(APPEND TESSK_TRANSLATED_SOURCES ${packaging_texts})
