#include "weightedsum.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
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

    // Scientific form first: it rounds the exact binary value to the wanted count of digits.
    std::array<char, 32> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::scientific, kSignificantDigits - 1);
    assert(error == std::errc{});
    const std::string_view scientific(buffer.data(), static_cast<std::size_t>(end - buffer.data()));

    const std::size_t exponentMark = scientific.find('e');
    std::string digits;
    digits += scientific.front();
    digits.append(scientific.substr(2, exponentMark - 2));
    const std::size_t lastDigit = digits.find_last_not_of('0');
    if (lastDigit == std::string::npos)
        return "0";
    digits.resize(lastDigit + 1);

    std::string_view exponentText = scientific.substr(exponentMark + 1);
    const bool negativeExponent = exponentText.front() == '-';
    exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    const int integerDigits = (negativeExponent ? -exponent : exponent) + 1;

    const auto digitCount = static_cast<int>(digits.size());
    if (integerDigits <= 0)
        return "0." + std::string(static_cast<std::size_t>(-integerDigits), '0') + digits;
    if (integerDigits >= digitCount)
        return digits + std::string(static_cast<std::size_t>(integerDigits - digitCount), '0');
    digits.insert(static_cast<std::size_t>(integerDigits), 1, '.');
    return digits;
}

} // namespace board
