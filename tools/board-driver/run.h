// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <iosfwd>

namespace driver {

// Drives a board from the lines of `commands`, one command a line (see command.h), answering on
// `answers`: for a click the picture it shows and the sum text after it, for reset and sum the
// sum text. The first bad line stops the run with 2 and a message on `errors` naming its number;
// nothing of it is done. 1 when the answers cannot be written or the commands read, 0 otherwise.
// The answers written so far go out whenever the run is about to wait for input, so a program
// that talks to it a line at a time sees each answer, while a file of commands is answered in
// large writes.
[[nodiscard]] int Run(std::istream& commands, std::ostream& answers, std::ostream& errors);

} // namespace driver
