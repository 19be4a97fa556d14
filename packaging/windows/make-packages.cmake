# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# cmake -D STAGE=... -D NAME=... -D OUT=... -D VERSION=... -D PUBLISHER=... -D ICON=... -D NSIS_SCRIPT=...
#       -D LANGUAGES=... -D RUNNING_MARK=... -D UPGRADE_CODE=... -D QT_SOURCE=... -D SOURCE=... -P make-packages.cmake
# Makes, from the folder STAGE/NAME that `cmake --install` filled, OUT/NAME.zip, the installer
# OUT/NAME-setup.exe (NSIS_SCRIPT, with the lists of that folder's files written here, and the
# installer's languages in LANGUAGES) and OUT/NAME.msi (by wixl), and copies beside them, from
# QT_SOURCE, the source package the Qt DLLs were built from, as OUT/qt6-base-source.
# The three hold the same bytes whenever the same source is built: every file's time is
# SOURCE_DATE_EPOCH (when it is not set, the last commit's, or in a release tarball the newest
# entry's of SOURCE/packaging/changelog), the files come in one order, and every code the MSI needs
# follows from the version and the files.
cmake_minimum_required(VERSION 3.25)
cmake_path(ABSOLUTE_PATH OUT)
set(folder ${STAGE}/${NAME})
file(MAKE_DIRECTORY ${OUT})
file(REMOVE_RECURSE ${OUT}/${NAME}.zip ${OUT}/${NAME}-setup.exe ${OUT}/${NAME}.msi ${OUT}/qt6-base-source)

include(${CMAKE_CURRENT_LIST_DIR}/../reproducible-zip.cmake)
tessk_fix_source_date(${SOURCE})
tessk_zip_folder(${STAGE} ${NAME} ${OUT}/${NAME}.zip)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${folder} ${folder}/*)
list(SORT files)

# The installer installs exactly these files and its uninstaller removes exactly these, then
# their folders from the deepest up, so nothing of anyone else's is touched. The MSI's components
# are the same files; a folder of the MSI is a Directory element around its files.
set(install_lines "")
set(remove_lines "")
set(folders "")
set(bytes 0)
set(last_folder "-")
set(wix_files "")
set(wix_refs "")
set(digests "")
foreach(file IN LISTS files)
    cmake_path(GET file PARENT_PATH sub)
    string(REPLACE "/" "\\" windows_file "${file}")
    set(windows_sub "")
    if(sub)
        string(REPLACE "/" "\\" windows_sub "\\${sub}")
    endif()
    if(NOT sub STREQUAL last_folder)
        string(APPEND install_lines "SetOutPath \"$INSTDIR${windows_sub}\"\n")
        if(NOT last_folder STREQUAL "-" AND last_folder)
            string(APPEND wix_files "</Directory>\n")
        endif()
        if(sub)
            string(MAKE_C_IDENTIFIER "folder_${sub}" id)
            string(APPEND wix_files "<Directory Id=\"${id}\" Name=\"${sub}\">\n")
        endif()
        set(last_folder "${sub}")
    endif()
    string(APPEND install_lines "File \"${folder}/${file}\"\n")
    string(APPEND remove_lines "Delete \"$INSTDIR\\${windows_file}\"\n")
    if(sub MATCHES "/")
        message(FATAL_ERROR "make-packages.cmake: ${file} lies in a folder within a folder, which the MSI's folders do not nest")
    endif()
    if(sub)
        list(APPEND folders "${windows_sub}")
    endif()
    file(SIZE ${folder}/${file} size)
    math(EXPR bytes "${bytes} + ${size}")
    file(SHA256 ${folder}/${file} digest)
    string(APPEND digests "${file} ${digest}\n")
    string(MAKE_C_IDENTIFIER "file_${file}" id)
    string(UUID guid NAMESPACE ${UPGRADE_CODE} NAME "component ${file}" TYPE SHA1 UPPER)
    cmake_path(GET file FILENAME base)
    string(APPEND wix_files "<Component Id=\"${id}\" Guid=\"${guid}\" Win64=\"yes\">"
        "<File Id=\"${id}\" Name=\"${base}\" Source=\"${NAME}/${file}\" KeyPath=\"yes\"/></Component>\n")
    string(APPEND wix_refs "<ComponentRef Id=\"${id}\"/>\n")
endforeach()
if(last_folder)
    string(APPEND wix_files "</Directory>\n")
endif()
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
set(folder_lines "")
foreach(sub IN LISTS folders)
    string(APPEND folder_lines "RMDir \"$INSTDIR${sub}\"\n")
endforeach()
file(WRITE ${STAGE}/install-files.nsh "${install_lines}")
file(WRITE ${STAGE}/remove-files.nsh "${remove_lines}")
file(WRITE ${STAGE}/remove-folders.nsh "${folder_lines}")

math(EXPR kib "(${bytes} + 1023) / 1024")
string(REGEX REPLACE "^([0-9]+)\\.0*([0-9]+)$" "\\1.\\2.0.0" version_numbers "${VERSION}")
execute_process(COMMAND makensis -V2
    "-DVERSION=${VERSION}" "-DVERSION_NUMBERS=${version_numbers}" "-DPUBLISHER=${PUBLISHER}" "-DICON=${ICON}"
    "-DLANGUAGES=${LANGUAGES}" "-DRUNNING_MARK=${RUNNING_MARK}"
    "-DINSTALL_FILES=${STAGE}/install-files.nsh" "-DREMOVE_FILES=${STAGE}/remove-files.nsh"
    "-DREMOVE_FOLDERS=${STAGE}/remove-folders.nsh"
    "-DSIZE_KIB=${kib}" "-DOUTFILE=${OUT}/${NAME}-setup.exe" ${NSIS_SCRIPT}
    COMMAND_ERROR_IS_FATAL ANY)

# The MSI: one product code for each version, by which a newer version's MSI replaces it (a major
# upgrade), and one package code for each set of files.
string(REGEX REPLACE "^([0-9]+)\\.0*([0-9]+)$" "\\1.\\2.0" msi_version "${VERSION}")
string(UUID product_code NAMESPACE ${UPGRADE_CODE} NAME "product ${VERSION}" TYPE SHA1 UPPER)
string(UUID shortcut_guid NAMESPACE ${UPGRADE_CODE} NAME "shortcut" TYPE SHA1 UPPER)
string(UUID package_code NAMESPACE ${UPGRADE_CODE} NAME "package ${VERSION}\n${digests}" TYPE SHA1 UPPER)
cmake_path(GET CMAKE_CURRENT_LIST_FILE PARENT_PATH here)
# wixl finds each file from the .wxs file's folder, and by no absolute path.
file(COPY_FILE ${ICON} ${STAGE}/icon.ico)
configure_file(${here}/installer.wxs.in ${STAGE}/installer.wxs @ONLY)
# wixl gives the MSI a random package code and the time of the build: the package code is set
# afterwards, and both run with the clock stopped at SOURCE_DATE_EPOCH (a clock that ran on from
# there would give a slow run, on a busy machine, a later second).
string(TIMESTAMP source_date "%Y-%m-%d %H:%M:%S" UTC)
set(at_source_date faketime -f "${source_date}")
execute_process(COMMAND ${at_source_date} wixl --arch x64 -o ${OUT}/${NAME}.msi ${STAGE}/installer.wxs
    COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${at_source_date} msibuild ${OUT}/${NAME}.msi
    -s "tessk-research ${VERSION}" "${PUBLISHER}" "x64;1033" "{${package_code}}" COMMAND_ERROR_IS_FATAL ANY)

file(COPY ${QT_SOURCE}/ DESTINATION ${OUT}/qt6-base-source)
message(STATUS "The zip: ${OUT}/${NAME}.zip")
message(STATUS "The installer: ${OUT}/${NAME}-setup.exe")
message(STATUS "The MSI: ${OUT}/${NAME}.msi")
message(STATUS "Qt's source: ${OUT}/qt6-base-source")
