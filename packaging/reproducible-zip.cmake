# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Included by the scripts that make a zip handed out (the Windows program's and the web site's), so
# that both give the same bytes whenever the same source is built, in any folder.

# SOURCE_DATE_EPOCH, when the environment lacks it, becomes the last commit's time (or in a release
# tarball the newest changelog entry's), as SOURCE/scripts/source-date-epoch says; and the clock's
# zone UTC, since a zip stores local times.
macro(tessk_fix_source_date source)
    if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
        execute_process(COMMAND ${source}/scripts/source-date-epoch
            OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
        set(ENV{SOURCE_DATE_EPOCH} ${epoch})
    endif()
    set(ENV{TZ} UTC)
endmacro()

# Writes ZIP holding the folder PARENT/NAME itself, to be unpacked anywhere: every file stamped
# SOURCE_DATE_EPOCH, in one sorted order, which Info-ZIP's zip keeps; with -X it stores no owner
# and no access or change times.
function(tessk_zip_folder parent name zip)
    file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${parent} ${parent}/${name}/*)
    list(SORT files)
    execute_process(COMMAND touch --no-dereference --date=@$ENV{SOURCE_DATE_EPOCH} ${files}
        WORKING_DIRECTORY ${parent} COMMAND_ERROR_IS_FATAL ANY)
    string(JOIN "\n" zip_list ${files})
    file(WRITE ${parent}/zip-files.txt "${zip_list}\n")
    execute_process(COMMAND zip -q -X -9 ${zip} -@ INPUT_FILE ${parent}/zip-files.txt
        WORKING_DIRECTORY ${parent} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE ${parent}/zip-files.txt)
endfunction()
