// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "run.h"

#include "board.h"
#include "command.h"
#include "weightedsum.h"

#include <cerrno>
#include <cstring>
#include <istream>
#include <ostream>
#include <string>
#include <variant>

namespace driver {
namespace {

constexpr int kBadLineStatus = 2;
constexpr int kIoErrorStatus = 1;

bool NextLine(std::istream& commands, std::ostream& answers, std::string& line)
{
    if (commands.rdbuf()->in_avail() <= 0)
        answers.flush();
    return static_cast<bool>(std::getline(commands, line));
}

} // namespace

int Run(std::istream& commands, std::ostream& answers, std::ostream& errors)
{
    board::Board board;
    std::string line;
    long lineNumber = 0;
    while (NextLine(commands, answers, line)) {
        ++lineNumber;
        const Command command = Parse(line);
        if (const auto* bad = std::get_if<BadLine>(&command)) {
            answers.flush();
            errors << "board-driver: line " << lineNumber << ": " << bad->reason << '\n';
            return kBadLineStatus;
        }
        if (const auto* click = std::get_if<Click>(&command)) {
            const board::ClickPlan plan = board.PlanClick(click->index);
            board.StoreCode(click->index, plan.next);
            answers << plan.picture << ' ' << board::SumText(board) << '\n';
        } else if (std::holds_alternative<Reset>(command)) {
            board = board::Board{};
            answers << board::SumText(board) << '\n';
        } else if (std::holds_alternative<Sum>(command)) {
            answers << board::SumText(board) << '\n';
        }
    }
    if (!answers.flush()) {
        errors << "board-driver: cannot write standard output: " << std::strerror(errno) << '\n';
        return kIoErrorStatus;
    }
    if (commands.bad()) {
        errors << "board-driver: cannot read standard input: " << std::strerror(errno) << '\n';
        return kIoErrorStatus;
    }
    return 0;
}

} // namespace driver
