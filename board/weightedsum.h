// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include "board.h"

#include <string>

namespace board {

// One double addition per piece, square by square in ascending order, so the
// result carries exactly the rounding of that chain.
[[nodiscard]] double WeightedSum(const Board& board);

// The sum rounded to 15 significant digits and written plainly ("0", "0.5",
// "4.57142857142857"), with '.' as separator whatever the process's locale.
[[nodiscard]] std::string SumText(const Board& board);

// The same text for any finite, non-negative double; the sum's own text goes through here.
[[nodiscard]] std::string DecimalText(double value);

} // namespace board
