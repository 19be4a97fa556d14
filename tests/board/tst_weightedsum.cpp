// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "board/weightedsum.h"
#include "boardtext.h"

#include "casename.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <locale>
#include <random>
#include <string>

using board::Board;
using board::PieceCode;

namespace {

struct SumCase {
    const char* name;
    std::string board;
    std::string text;
};

std::string Repeat(char piece, int count)
{
    std::string pieces(static_cast<std::size_t>(count), piece);
    return pieces;
}

class SumTextOfBoard : public testing::TestWithParam<SumCase> {};

TEST_P(SumTextOfBoard, HasTheExactDigits)
{
    const Board board = BoardFromText(GetParam().board);
    EXPECT_EQ(board::SumText(board), GetParam().text);
    EXPECT_EQ(board::SumText(board), GetParam().text) << "a second call on the same board";
}

INSTANTIATE_TEST_SUITE_P(
    Table, SumTextOfBoard,
    testing::Values(
        SumCase{ "Empty", "", "0" }, SumCase{ "OneKnight", "N", "0.03125" }, SumCase{ "OneKing", "...K", "0.0625" },
        SumCase{ "OneBishop", "B", "0.0714285714285714" }, SumCase{ "OneRook", "R", "0.125" },
        SumCase{ "OneOfEach", "NKBR", "0.290178571428571" }, SumCase{ "TwoBishops", "BB", "0.142857142857143" },
        SumCase{ "SevenBishopsRoundUp", Repeat('B', 7), "0.5" },
        SumCase{ "ThirteenBishopsKeepTheChainsRounding", Repeat('B', 13), "0.928571428571428" },
        SumCase{ "FourteenBishops", Repeat('B', 14), "1" }, SumCase{ "EightRooks", Repeat('R', 8), "1" },
        SumCase{ "SixteenKings", Repeat('K', 16), "1" }, SumCase{ "ThirtyTwoKnights", Repeat('N', 32), "1" },
        SumCase{ "AllBishops", Repeat('B', 64), "4.57142857142857" }, SumCase{ "AllRooks", Repeat('R', 64), "8" },
        SumCase{ "AllKings", Repeat('K', 64), "4" }, SumCase{ "AllKnights", Repeat('N', 64), "2" },
        SumCase{ "NoBishopsFiveFractionDigits", "NNN.K", "0.15625" },
        // Boards whose last digit shows the square-by-square chain: summing by kind,
        // or exactly, would end in ...429.
        SumCase{ "ChainA", ".NBK...B..................BR.K........B.........R..N..BB", "0.866071428571428" },
        SumCase{ "ChainB", "B..............B.................B.....R.....B....B.....B", "0.553571428571428" },
        SumCase{ "ChainC", ".B.B........RNKB...N.B...BK..............R.K.K..........B", "0.991071428571428" },
        SumCase{ "ChainD", "........K....R......B.......B..NB................B.BN........B", "0.678571428571428" }),
    CaseName{});

// A straightforward sum of the same chain, written independently, and printf's
// rounding to 15 significant digits (every nonzero sum lies in [1/32, 8], where
// %.15g writes no exponent).
double ReferenceSum(const Board& board)
{
    double sum = 0;
    for (const board::Index index : board::kAllSquares) {
        switch (board.CodeAt(index)) {
        case PieceCode::Empty: break;
        case PieceCode::Knight: sum += 1.0 / 32.0; break;
        case PieceCode::King: sum += 1.0 / 16.0; break;
        case PieceCode::Bishop: sum += 1.0 / 14.0; break;
        case PieceCode::Rook: sum += 1.0 / 8.0; break;
        }
    }
    return sum;
}

std::string ReferenceText(double sum)
{
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.15g", sum);
    return text.data();
}

double SumByKind(const Board& board)
{
    std::array<int, board::kPieceCodeCount> counts{};
    for (const board::Index index : board::kAllSquares)
        ++counts[board::Slot(board.CodeAt(index))];
    return counts[1] / 32.0 + counts[2] / 16.0 + counts[3] / 14.0 + counts[4] / 8.0;
}

Board RandomBoard(std::mt19937& random)
{
    std::uniform_int_distribution<int> pieceCount(0, 64);
    std::uniform_int_distribution<int> square(0, 63);
    std::uniform_int_distribution<int> code(0, 4);
    Board board;
    for (int piece = pieceCount(random); piece > 0; --piece)
        board.StoreCode(board::Index(square(random)), static_cast<PieceCode>(code(random)));
    return board;
}

TEST(SumTextProperty, MatchesTheChainOnRandomBoards)
{
    std::mt19937 random(20261206);
    int boardsWhereGroupingShows = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const Board board = RandomBoard(random);
        const double reference = ReferenceSum(board);
        EXPECT_EQ(board::WeightedSum(board), reference);
        const std::string text = board::SumText(board);
        ASSERT_EQ(text, ReferenceText(reference)) << "trial " << trial;
        board::DecimalTextBuffer buffer;
        ASSERT_EQ(board::SumText(board, buffer), text) << "trial " << trial;
        if (ReferenceText(SumByKind(board)) != text)
            ++boardsWhereGroupingShows;
    }
    // The boards must be varied enough that a sum grouped by kind would have been caught.
    EXPECT_GT(boardsWhereGroupingShows, 50);
}

TEST(DecimalText, PlainPositionalNotation)
{
    EXPECT_EQ(board::DecimalText(0.0), "0");
    EXPECT_EQ(board::DecimalText(0.0001220703125), "0.0001220703125");
    EXPECT_EQ(board::DecimalText(123456789012345678.0), "123456789012346000");
    EXPECT_EQ(board::DecimalText(10.0), "10");
    EXPECT_EQ(board::DecimalText(1.0 / 3.0), "0.333333333333333");
    EXPECT_EQ(board::DecimalText(2.0 / 3.0), "0.666666666666667");
    EXPECT_EQ(board::DecimalText(0.9999999999999997), "1");
    // Exactly half-way between two 15-digit numbers: to the even one.
    EXPECT_EQ(board::DecimalText(1234567890123.125), "1234567890123.12");
    EXPECT_EQ(board::DecimalText(1234567890123.375), "1234567890123.38");
    EXPECT_EQ(board::DecimalText(999999999999999.875), "1000000000000000");
    EXPECT_EQ(board::DecimalText(1e-8), "0.00000001");
    EXPECT_EQ(board::DecimalText(1e15), "1000000000000000");
    // The extremes fill the caller's buffer to the last character.
    board::DecimalTextBuffer buffer;
    EXPECT_EQ(board::DecimalText(5e-324, buffer), "0." + std::string(323, '0') + "494065645841247");
    EXPECT_EQ(board::DecimalText(1.7976931348623157e308), "179769313486232" + std::string(294, '0'));
}

// printf rounds the exact binary value half to even, at the place %.14e shows to be the 15th digit.
std::string PrintfDecimalText(double value)
{
    if (value == 0.0)
        return "0";
    std::array<char, 32> scientific{};
    std::snprintf(scientific.data(), scientific.size(), "%.14e", value);
    const int exponent = std::atoi(std::strchr(scientific.data(), 'e') + 1);
    if (exponent > 14) // a whole number: the 15 digits, then zeros
        return std::string(1, scientific[0]) + std::string(scientific.data() + 2, 14) +
               std::string(static_cast<std::size_t>(exponent - 14), '0');
    std::string text(board::kDecimalTextCapacity + 1, '\0');
    text.resize(
        static_cast<std::size_t>(std::snprintf(text.data(), text.size(), "%.*f", std::max(0, 14 - exponent), value)));
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

TEST(DecimalTextProperty, RoundsLikePrintf)
{
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<int> decade(-12, 18);
    std::uniform_int_distribution<int> fractionBits(0, 40);
    for (int trial = 0; trial < 100000; ++trial) {
        // Any finite double; a value in any decade from 10^-12 to 10^18; few-bit
        // binary fractions, which often lie half-way between two 15-digit numbers.
        double value = 0;
        switch (trial % 3) {
        case 0: value = std::abs(std::bit_cast<double>(random())); break;
        case 1: value = std::ldexp(static_cast<double>(random() >> 11), -53) * std::pow(10.0, decade(random)); break;
        default: value = std::ldexp(static_cast<double>(random() >> 20), -fractionBits(random)); break;
        }
        if (!std::isfinite(value))
            continue;
        ASSERT_EQ(board::DecimalText(value), PrintfDecimalText(value)) << std::hexfloat << value;
    }
}

struct CommaDecimal : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
    char do_thousands_sep() const override { return '.'; }
    std::string do_grouping() const override { return "\3"; }
};

TEST(SumTextLocale, IgnoresTheGlobalLocale)
{
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    const std::string text = board::SumText(BoardFromText(Repeat('B', 13)));
    std::locale::global(previous);
    EXPECT_EQ(text, "0.928571428571428");
}

} // namespace
