// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "weightedsum.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace board {
namespace {

// 1 over the most pieces of each kind that fit on the board without attacking each other.
constexpr std::array<double, kPieceCodeCount> kWeights{ 0.0, 1.0 / 32.0, 1.0 / 16.0, 1.0 / 14.0, 1.0 / 8.0 };

constexpr int kSignificantDigits = 15;

} // namespace

double WeightedSum(const Board& board)
{
    double sum = 0.0;
    for (const Index index : kAllSquares) {
        const PieceCode code = board.CodeAt(index);
        if (code != PieceCode::Empty)
            sum += kWeights[Slot(code)];
    }
    return sum;
}

std::string SumText(const Board& board)
{
    return DecimalText(WeightedSum(board));
}

std::string DecimalText(double value)
{
    assert(std::isfinite(value) && value >= 0.0);
    if (value == 0.0)
        return "0";

    // "d.dddddddddddddde±x": the exact binary value rounded half to even to 15 significant digits.
    std::array<char, 32> scientific{};
    const auto [end, error] = std::to_chars(scientific.data(), scientific.data() + scientific.size(), value,
                                            std::chars_format::scientific, kSignificantDigits - 1);
    assert(error == std::errc{});
    const std::string_view text(scientific.data(), static_cast<std::size_t>(end - scientific.data()));
    const std::size_t e = text.find('e');
    std::string digits = std::string(text.substr(0, 1)) + std::string(text.substr(2, e - 2));
    digits.erase(digits.find_last_not_of('0') + 1);
    const int exponent = std::atoi(text.data() + e + 1);

    // The same digits written positionally: the first one stands 10^exponent.
    const int integerDigits = exponent + 1;
    const auto count = static_cast<int>(digits.size());
    if (integerDigits <= 0)
        return "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    if (integerDigits >= count)
        return digits + std::string(static_cast<std::size_t>(integerDigits - count), '0');
    const auto point = static_cast<std::size_t>(integerDigits);
    return digits.substr(0, point) + '.' + digits.substr(point);
}

} // namespace board
