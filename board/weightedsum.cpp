// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "weightedsum.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace board {
namespace {

// 1 over the most pieces of each kind that fit on the board without attacking each other.
constexpr std::array<double, kPieceCodeCount> kWeights{ 0.0, 1.0 / 32.0, 1.0 / 16.0, 1.0 / 14.0, 1.0 / 8.0 };

constexpr int kSignificantDigits = 15;
constexpr std::uint64_t kLowestDigits = 100'000'000'000'000;    // 10^14, the smallest 15-digit number
constexpr std::uint64_t kDigitsCeiling = 1'000'000'000'000'000; // 10^15

// A positive value rounded to 15 significant digits: digits × 10^(exponent - 14),
// with digits from 10^14 up to 10^15 - 1.
struct Rounded {
    std::uint64_t digits;
    int exponent;
};

// 5^n for n up to 27, the largest power of five below 2^64.
constexpr std::array<std::uint64_t, 28> kPowersOfFive = [] {
    std::array<std::uint64_t, 28> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t& entry : powers) {
        entry = power;
        power *= 5;
    }
    return powers;
}();

// An unsigned number of up to 128 bits as two 64-bit words.
struct TwoWords {
    std::uint64_t high;
    std::uint64_t low;
};

// The full product of two numbers below 2^53, in 32-bit halves: every partial product and the sum
// of the two middle ones fit in 64 bits.
TwoWords MultiplyBelow53Bits(std::uint64_t a, std::uint64_t b)
{
    constexpr int kHalf = 32;
    constexpr std::uint64_t kLowHalf = 0xffff'ffff;
    const std::uint64_t aLow = a & kLowHalf, aHigh = a >> kHalf;
    const std::uint64_t bLow = b & kLowHalf, bHigh = b >> kHalf;
    const std::uint64_t lowest = aLow * bLow;
    const std::uint64_t middle = aLow * bHigh + aHigh * bLow;
    const std::uint64_t low = lowest + (middle << kHalf);
    const std::uint64_t carry = low < lowest ? 1 : 0;
    return { aHigh * bHigh + (middle >> kHalf) + carry, low };
}

// The number shifted right by 1 to 127 bits, where the result fits in 64 bits.
std::uint64_t ShiftedRight(TwoWords number, int bits)
{
    constexpr int kWord = 64;
    if (bits >= kWord)
        return number.high >> (bits - kWord);
    return number.low >> bits | number.high << (kWord - bits);
}

// Whether any of the number's lowest bits (0 to 127 of them) is set.
bool AnyBelow(TwoWords number, int bits)
{
    constexpr int kWord = 64;
    const auto lowestOf = [](std::uint64_t word, int count) {
        return count >= kWord ? word : word & ((std::uint64_t{ 1 } << count) - 1);
    };
    if (bits <= kWord)
        return lowestOf(number.low, bits) != 0;
    return number.low != 0 || lowestOf(number.high, bits - kWord) != 0;
}

// Exact rounding, half to even, in integers: value = mantissa / 2^shift, so its digits at a scale
// are mantissa × 10^scale / 2^shift = mantissa × 5^scale / 2^(shift - scale). The mantissa has 53
// bits and 5^22 fewer than 52, so every value from 10^-8 up to 10^15 fits in two words.
constexpr double kExactFrom = 1e-8;
constexpr double kExactBelow = 1e15;
constexpr int kLargestScale = 22;

Rounded RoundExactly(double value)
{
    constexpr int kFractionBits = 52;
    constexpr int kExponentBias = 1075;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    constexpr std::uint64_t kImplicitBit = std::uint64_t{ 1 } << kFractionBits;
    const std::uint64_t mantissa = (bits & (kImplicitBit - 1)) | kImplicitBit;
    const int shift = kExponentBias - static_cast<int>(bits >> kFractionBits);

    // The value lies from 2^binaryExponent up to twice that; 78913 / 2^18 is a little
    // over log10(2). That gives a first guess at the scale, set right by the digits.
    const int binaryExponent = kFractionBits - shift;
    constexpr int kLog10Of2Times2To18 = 78913;
    constexpr int kLog10Shift = 18;
    int scale = kSignificantDigits - 1 - (binaryExponent * kLog10Of2Times2To18 >> kLog10Shift);
    scale = std::clamp(scale, 0, kLargestScale);
    // The digits and the first bit past them: that bit and any set below it say how to round.
    TwoWords product{};
    std::uint64_t digitsAndHalf = 0;
    const auto atScale = [&] {
        product = MultiplyBelow53Bits(mantissa, kPowersOfFive[static_cast<std::size_t>(scale)]);
        digitsAndHalf = ShiftedRight(product, shift - scale - 1);
        return digitsAndHalf >> 1;
    };
    std::uint64_t digits = atScale();
    while (digits >= kDigitsCeiling || digits < kLowestDigits) {
        scale += digits < kLowestDigits ? 1 : -1;
        digits = atScale();
    }
    const bool half = (digitsAndHalf & 1) != 0;
    if (half && (AnyBelow(product, shift - scale - 1) || digits % 2 == 1))
        ++digits;
    int exponent = kSignificantDigits - 1 - scale;
    if (digits == kDigitsCeiling) {
        digits = kLowestDigits;
        ++exponent;
    }
    return { digits, exponent };
}

// Any other value: the scientific form of to_chars rounds the exact binary value the same way.
Rounded RoundByToChars(double value)
{
    std::array<char, 32> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value,
                                            std::chars_format::scientific, kSignificantDigits - 1);
    assert(error == std::errc{});
    Rounded rounded{ static_cast<std::uint64_t>(text[0] - '0'), 0 };
    const char* mark = text.data() + 2; // past the first digit and the point
    for (; *mark != 'e'; ++mark)
        rounded.digits = rounded.digits * 10 + static_cast<std::uint64_t>(*mark - '0');
    const bool negative = mark[1] == '-';
    std::from_chars(mark + 2, end, rounded.exponent);
    if (negative)
        rounded.exponent = -rounded.exponent;
    return rounded;
}

constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t pair = 0; pair < 100; ++pair) {
        pairs[2 * pair] = static_cast<char>('0' + pair / 10);
        pairs[2 * pair + 1] = static_cast<char>('0' + pair % 10);
    }
    return pairs;
}();

// Fills first..last with the last digits of value, zeros in front where it has fewer.
void WriteDigits(std::uint32_t value, char* first, char* last)
{
    for (; last - first >= 2; value /= 100) {
        last -= 2;
        const std::size_t pair = value % 100;
        last[0] = kDigitPairs[2 * pair];
        last[1] = kDigitPairs[2 * pair + 1];
    }
    if (last != first)
        *first = static_cast<char>('0' + value % 10);
}

} // namespace

double WeightedSum(const Board& board)
{
    // A bit for each occupied square, gathered a row at a time (without a branch
    // on each square, whose outcome no predictor could guess on a mixed board);
    // then one addition for each of them in ascending order.
    std::uint64_t occupied = 0;
    for (int row = 0; row < kBoardSide; ++row) {
        unsigned rowBits = 0;
        for (int column = 0; column < kBoardSide; ++column)
            rowBits |= unsigned{ board.CodeAt(Index(row * kBoardSide + column)) != PieceCode::Empty } << column;
        occupied |= std::uint64_t{ rowBits } << (row * kBoardSide);
    }
    double sum = 0.0;
    for (; occupied != 0; occupied &= occupied - 1)
        sum += kWeights[Slot(board.CodeAt(Index(std::countr_zero(occupied))))];
    return sum;
}

std::string SumText(const Board& board)
{
    return DecimalText(WeightedSum(board));
}

std::string_view SumText(const Board& board, DecimalTextBuffer& buffer)
{
    return DecimalText(WeightedSum(board), buffer);
}

std::string DecimalText(double value)
{
    DecimalTextBuffer buffer;
    return std::string(DecimalText(value, buffer));
}

std::string_view DecimalText(double value, DecimalTextBuffer& buffer)
{
    assert(std::isfinite(value) && value >= 0.0);
    if (value == 0.0) {
        buffer[0] = '0';
        return { buffer.data(), 1 };
    }
    const Rounded rounded = value >= kExactFrom && value < kExactBelow ? RoundExactly(value) : RoundByToChars(value);

    // The 15 digits as two independent parts of 7 and 8, two digits a step.
    std::array<char, kSignificantDigits> digits{};
    constexpr int kLeadingPart = 7;
    constexpr std::uint64_t kTrailingPart = 100'000'000;
    char* const split = digits.data() + kLeadingPart;
    WriteDigits(static_cast<std::uint32_t>(rounded.digits / kTrailingPart), digits.data(), split);
    WriteDigits(static_cast<std::uint32_t>(rounded.digits % kTrailingPart), split, digits.data() + digits.size());
    const auto digitCount = static_cast<int>(std::distance(
        digits.begin(), std::find_if(digits.rbegin(), digits.rend(), [](char c) { return c != '0'; }).base()));

    char* out = buffer.data();
    const auto zeros = [&out](int count) { out = std::fill_n(out, count, '0'); };
    const auto copyDigits = [&out, &digits](int from, int to) {
        out = std::copy(digits.begin() + from, digits.begin() + to, out);
    };
    const int integerDigits = rounded.exponent + 1;
    if (integerDigits <= 0) {
        *out++ = '0';
        *out++ = '.';
        zeros(-integerDigits);
        copyDigits(0, digitCount);
    } else if (integerDigits >= digitCount) {
        copyDigits(0, digitCount);
        zeros(integerDigits - digitCount);
    } else {
        copyDigits(0, integerDigits);
        *out++ = '.';
        copyDigits(integerDigits, digitCount);
    }
    return { buffer.data(), static_cast<std::size_t>(out - buffer.data()) };
}

} // namespace board
