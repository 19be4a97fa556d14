# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# cmake -D STAGE=... -D NAME=... -D OUT=... -D VERSION=... -D PUBLISHER=... -D ICON=... -D NSIS_SCRIPT=... -P make-packages.cmake
# Makes OUT/NAME.zip and the installer OUT/NAME-setup.exe from the folder STAGE/NAME that
# `cmake --install` filled, with NSIS_SCRIPT and the lists of that folder's files written here.
cmake_minimum_required(VERSION 3.25)
set(folder ${STAGE}/${NAME})
file(MAKE_DIRECTORY ${OUT})
file(REMOVE ${OUT}/${NAME}.zip ${OUT}/${NAME}-setup.exe)

# The zip holds the folder itself, to be unpacked anywhere and started there.
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${folder} ${folder}/*)
list(SORT files)
list(TRANSFORM files PREPEND ${NAME}/ OUTPUT_VARIABLE zipped)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${OUT}/${NAME}.zip --format=zip ${zipped}
    WORKING_DIRECTORY ${STAGE} COMMAND_ERROR_IS_FATAL ANY)

# The installer installs exactly these files and its uninstaller removes exactly these, then
# their folders from the deepest up, so nothing of anyone else's is touched.
set(install_lines "")
set(remove_lines "")
set(folders "")
set(bytes 0)
set(last_folder "-")
foreach(file IN LISTS files)
    cmake_path(GET file PARENT_PATH sub)
    string(REPLACE "/" "\\" windows_file "${file}")
    set(windows_sub "")
    if(sub)
        string(REPLACE "/" "\\" windows_sub "\\${sub}")
    endif()
    if(NOT sub STREQUAL last_folder)
        string(APPEND install_lines "SetOutPath \"$INSTDIR${windows_sub}\"\n")
        set(last_folder "${sub}")
    endif()
    string(APPEND install_lines "File \"${folder}/${file}\"\n")
    string(APPEND remove_lines "Delete \"$INSTDIR\\${windows_file}\"\n")
    if(sub)
        list(APPEND folders "${windows_sub}")
    endif()
    file(SIZE ${folder}/${file} size)
    math(EXPR bytes "${bytes} + ${size}")
endforeach()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(sub IN LISTS folders)
    string(APPEND remove_lines "RMDir \"$INSTDIR${sub}\"\n")
endforeach()
file(WRITE ${STAGE}/install-files.nsh "${install_lines}")
file(WRITE ${STAGE}/remove-files.nsh "${remove_lines}")

math(EXPR kib "(${bytes} + 1023) / 1024")
string(REGEX REPLACE "^([0-9]+)\\.0*([0-9]+)$" "\\1.\\2.0.0" version_numbers "${VERSION}")
execute_process(COMMAND makensis -V2
    "-DVERSION=${VERSION}" "-DVERSION_NUMBERS=${version_numbers}" "-DPUBLISHER=${PUBLISHER}" "-DICON=${ICON}"
    "-DINSTALL_FILES=${STAGE}/install-files.nsh" "-DREMOVE_FILES=${STAGE}/remove-files.nsh"
    "-DSIZE_KIB=${kib}" "-DOUTFILE=${OUT}/${NAME}-setup.exe" ${NSIS_SCRIPT}
    COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "The zip: ${OUT}/${NAME}.zip")
message(STATUS "The installer: ${OUT}/${NAME}-setup.exe")
