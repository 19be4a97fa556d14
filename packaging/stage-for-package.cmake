# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Run by cpack on its staged files, after the install and before it packs them: strip keeps the
# compilers' version notes (.comment, from our objects and from the C library's start files) that an
# installed program has no use for, so they are removed here as Debian's own packages do.
execute_process(
    COMMAND ${CPACK_TESSK_OBJCOPY} --remove-section=.comment
        ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/${CPACK_TESSK_PROGRAM}
    COMMAND_ERROR_IS_FATAL ANY)
