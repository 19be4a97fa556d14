// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "weightedsum.h"

#include <array>
#include <cassert>
#include <cmath>
#include <cstdio>
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
    // snprintf, not to_chars: every C++ library this program is built with has it. The separator
    // between the first digit and the others is the C locale's, whatever it is, so only the digits
    // are taken from before the 'e'.
    std::array<char, 40> scientific{};
    const int length = std::snprintf(scientific.data(), scientific.size(), "%.*e", kSignificantDigits - 1, value);
    assert(length > 0 && static_cast<std::size_t>(length) < scientific.size());
    const std::string_view text(scientific.data(), static_cast<std::size_t>(length));
    const std::size_t e = text.find('e');
    std::string digits;
    for (const char c : text.substr(0, e))
        if (c >= '0' && c <= '9')
            digits += c;
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
