# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# cmake -D SITE=... -D NAME=... -D OUT=... -D SOURCE=... -P make-zip.cmake
# Makes OUT/NAME.zip holding the folder NAME with every file of SITE: the same bytes whenever the
# same source is built, in any folder. Every file's time is SOURCE_DATE_EPOCH (when it is not set,
# the last commit's, as scripts/source-date-epoch says) and its mode rw-r--r--, the files come sorted,
# and Info-ZIP's zip with -X stores no owner and no other time.
cmake_minimum_required(VERSION 3.25)
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND ${SOURCE}/scripts/source-date-epoch
        OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(ENV{SOURCE_DATE_EPOCH} ${epoch})
endif()
# The zip stores local times: the same in every time zone.
set(ENV{TZ} UTC)

set(stage ${OUT}/zip-stage)
file(REMOVE_RECURSE ${stage} ${OUT}/${NAME}.zip)
# Every file readable by all and written by its owner alone, whatever the umask of the checkout.
file(COPY ${SITE}/ DESTINATION ${stage}/${NAME} FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${stage} ${stage}/${NAME}/*)
list(SORT files)
execute_process(COMMAND touch --no-dereference --date=@$ENV{SOURCE_DATE_EPOCH} ${files} ${NAME}
    WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
string(JOIN "\n" zip_list ${files})
file(WRITE ${OUT}/zip-files.txt "${zip_list}\n")
execute_process(COMMAND zip -q -X -9 ${OUT}/${NAME}.zip -@ INPUT_FILE ${OUT}/zip-files.txt
    WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
file(REMOVE_RECURSE ${stage} ${OUT}/zip-files.txt)
message(STATUS "The zip: ${OUT}/${NAME}.zip")
