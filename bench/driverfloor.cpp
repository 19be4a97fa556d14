// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// The floor for board-driver's throughput: the same lines read from standard input with the same
// std::getline, each split into its command and its number, and each answered on standard output
// through the same std::cout, flushed by the same rule, but with no board behind them: every line
// gets the answer text of one click. What is left between the two is checking the line, planning
// and storing the click, and working out and writing the sum.

#include <algorithm>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>

namespace {

constexpr std::string_view kAnswer = "vifu.bmp 0.0714285714285714\n";

// The line's first word and the number in its second, as any reader of the commands must find them.
std::pair<std::string_view, int> Split(std::string_view line)
{
    const std::size_t command = line.find_first_not_of(" \t\r");
    if (command == std::string_view::npos)
        return { {}, -1 };
    line.remove_prefix(command);
    const std::size_t blank = std::min(line.find_first_of(" \t\r"), line.size());
    int number = 0;
    for (const char c : line.substr(blank))
        if (c >= '0' && c <= '9')
            number = number * 10 + (c - '0');
    return { line.substr(0, blank), number };
}

} // namespace

int main()
{
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
    std::string line;
    while (true) {
        if (std::cin.rdbuf()->in_avail() <= 0)
            std::cout.flush();
        if (!std::getline(std::cin, line))
            break;
        const auto [command, number] = Split(line);
        if (!command.empty() && number >= 0)
            std::cout << kAnswer;
    }
    return std::cout.flush() ? 0 : 1;
}
