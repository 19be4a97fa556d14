// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "command.h"

#include <algorithm>
#include <optional>

namespace driver {
namespace {

constexpr bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

constexpr bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view NextWord(std::string_view& rest)
{
    const auto start = std::find_if_not(rest.begin(), rest.end(), IsBlank);
    const auto end = std::find_if(start, rest.end(), IsBlank);
    const std::string_view word =
        rest.substr(static_cast<std::size_t>(start - rest.begin()), static_cast<std::size_t>(end - start));
    rest.remove_prefix(static_cast<std::size_t>(end - rest.begin()));
    return word;
}

std::optional<board::Index> ParseSquare(std::string_view word)
{
    if (word.empty() || word.size() > 2 || !std::all_of(word.begin(), word.end(), IsDigit))
        return std::nullopt;
    int value = 0;
    for (const char digit : word)
        value = value * 10 + (digit - '0');
    return board::Index::Checked(value);
}

std::string Quoted(std::string_view word)
{
    std::string quoted;
    quoted.reserve(word.size() + 2);
    quoted += '\'';
    quoted.append(word);
    quoted += '\'';
    return quoted;
}

} // namespace

Command Parse(std::string_view line)
{
    std::string_view rest = line;
    const std::string_view word = NextWord(rest);
    if (word.empty() || word.front() == '#')
        return Skip{};
    const bool takesSquare = word == "click";
    if (!takesSquare && word != "reset" && word != "sum")
        return BadLine{ "unknown command " + Quoted(word) + " (expected click N, reset or sum)" };

    std::optional<board::Index> square;
    if (takesSquare) {
        const std::string_view argument = NextWord(rest);
        if (argument.empty())
            return BadLine{ "click needs a square number 0..63" };
        square = ParseSquare(argument);
        if (!square)
            return BadLine{ "square " + Quoted(argument) + " is not a whole number 0..63" };
    }
    if (const std::string_view extra = NextWord(rest); !extra.empty())
        return BadLine{ "unexpected " + Quoted(extra) + " after " + std::string(word) };

    if (square)
        return Click{ *square };
    if (word == "reset")
        return Reset{};
    return Sum{};
}

} // namespace driver
