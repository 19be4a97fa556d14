# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# cmake -D SITE=... -D NAME=... -D OUT=... -D SOURCE=... -P make-zip.cmake
# Makes OUT/NAME.zip holding the folder NAME with every file of SITE: the same bytes whenever the
# same source is built, in any folder (packaging/reproducible-zip.cmake), every file's mode rw-r--r--.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../packaging/reproducible-zip.cmake)
tessk_fix_source_date(${SOURCE})
set(stage ${OUT}/zip-stage)
file(REMOVE_RECURSE ${stage} ${OUT}/${NAME}.zip)
# Every file readable by all and written by its owner alone, whatever the umask of the checkout.
file(COPY ${SITE}/ DESTINATION ${stage}/${NAME} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
tessk_zip_folder(${stage} ${NAME} ${OUT}/${NAME}.zip)
file(REMOVE_RECURSE ${stage})
message(STATUS "The zip: ${OUT}/${NAME}.zip")
