# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Run at build time for each language: the gettext catalogue msgfmt merges into the launcher and the
# AppStream file, made from the language's .ts file. lconvert writes each text of the .ts file as a
# message with its context; msgfmt looks up the launcher's and AppStream texts without one, so their
# context is dropped, and the window's texts keep theirs out of msgfmt's way.
# Usage: cmake -DLCONVERT=... -DTS=... -DCONTEXT=... -DPO=... -P gettext-catalogue.cmake
execute_process(COMMAND ${LCONVERT} -i ${TS} -of po -o ${PO}.with-contexts COMMAND_ERROR_IS_FATAL ANY)
file(READ ${PO}.with-contexts catalogue)
string(REGEX REPLACE "\nmsgctxt \"${CONTEXT}\\|\"\n" "\n" catalogue "${catalogue}")
file(WRITE ${PO} "${catalogue}")
