// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Drives the board logic from standard input, one command a line:
//   click N   prints the picture the click shows and the sum text after it
//   reset     empties the board and prints the sum text
//   sum       prints the sum text
// Empty lines and lines starting with '#' are skipped. Any other line stops the
// run with exit status 2 and a message naming its line number; nothing of it is done.

#include "run.h"

#include <iostream>

int main()
{
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    return driver::Run(std::cin, std::cout, std::cerr);
}
