// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Drives the board logic from standard input, one command a line:
//   click N   prints the picture the click shows and the sum text after it
//   reset     empties the board and prints the sum text
//   sum       prints the sum text
// Empty lines and lines starting with '#' are skipped. Any other line stops the
// run with exit status 2 and a message naming its line number; nothing of it is done.

#include "board.h"
#include "command.h"
#include "weightedsum.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <variant>

namespace {

constexpr int kBadLineStatus = 2;
constexpr int kIoErrorStatus = 1;

// The answers written so far go out whenever the driver is about to wait for input, so a program
// that talks to it a line at a time sees each answer, while a file of commands is answered in
// large writes.
bool NextLine(std::string& line)
{
    if (std::cin.rdbuf()->in_avail() <= 0)
        std::cout.flush();
    return static_cast<bool>(std::getline(std::cin, line));
}

} // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);

    board::Board board;
    std::string line;
    long lineNumber = 0;
    while (NextLine(line)) {
        ++lineNumber;
        const driver::Command command = driver::Parse(line);
        if (const auto* bad = std::get_if<driver::BadLine>(&command)) {
            std::cout.flush();
            std::fprintf(stderr, "board-driver: line %ld: %s\n", lineNumber, bad->reason.c_str());
            return kBadLineStatus;
        }
        if (const auto* click = std::get_if<driver::Click>(&command)) {
            const board::ClickPlan plan = board.PlanClick(click->index);
            board.StoreCode(click->index, plan.next);
            std::cout << plan.picture << ' ' << board::SumText(board) << '\n';
        } else if (std::holds_alternative<driver::Reset>(command)) {
            board = board::Board{};
            std::cout << board::SumText(board) << '\n';
        } else if (std::holds_alternative<driver::Sum>(command)) {
            std::cout << board::SumText(board) << '\n';
        }
    }
    if (!std::cout.flush()) {
        std::fprintf(stderr, "board-driver: cannot write standard output: %s\n", std::strerror(errno));
        return kIoErrorStatus;
    }
    if (std::cin.bad()) {
        std::fprintf(stderr, "board-driver: cannot read standard input: %s\n", std::strerror(errno));
        return kIoErrorStatus;
    }
    return 0;
}
