// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "board.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace board {

// One double addition per piece, square by square in ascending order, so the
// result carries exactly the rounding of that chain.
[[nodiscard]] double WeightedSum(const Board& board);

// Room for the text of any finite, non-negative double: the smallest one is
// written as "0.", 323 zeros and its digits.
inline constexpr std::size_t kDecimalTextCapacity = 344;
using DecimalTextBuffer = std::array<char, kDecimalTextCapacity>;

// The sum rounded to 15 significant digits and written plainly ("0", "0.5",
// "4.57142857142857"), with '.' as separator whatever the process's locale.
[[nodiscard]] std::string SumText(const Board& board);

// The same text written into the caller's buffer, without allocating; the
// view is valid as long as the buffer is and until it is written again.
[[nodiscard]] std::string_view SumText(const Board& board, DecimalTextBuffer& buffer);

// The same text for any finite, non-negative double; the sum's own text goes through here.
[[nodiscard]] std::string DecimalText(double value);
[[nodiscard]] std::string_view DecimalText(double value, DecimalTextBuffer& buffer);

} // namespace board
