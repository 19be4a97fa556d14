// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "board/board.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using board::Board;
using board::Index;
using board::PieceCode;
using board::Shade;

namespace {

struct ShadeCase {
    int square;
    Shade shade;
};

class ShadeOfSquare : public testing::TestWithParam<ShadeCase> {};

TEST_P(ShadeOfSquare, FollowsTheCheckerboard)
{
    EXPECT_EQ(board::ShadeOf(Index(GetParam().square)), GetParam().shade);
}

INSTANTIATE_TEST_SUITE_P(CornersAndEdges, ShadeOfSquare,
                         testing::Values(ShadeCase{ 0, Shade::Light }, ShadeCase{ 1, Shade::Dark },
                                         ShadeCase{ 7, Shade::Dark }, ShadeCase{ 8, Shade::Dark },
                                         ShadeCase{ 9, Shade::Light }, ShadeCase{ 15, Shade::Light },
                                         ShadeCase{ 16, Shade::Light }, ShadeCase{ 56, Shade::Dark },
                                         ShadeCase{ 63, Shade::Light }));

TEST(ShadeOfSquare, NeighboursAlwaysDiffer)
{
    for (const Index index : board::kAllSquares) {
        if (index.Column() > 0) {
            EXPECT_NE(board::ShadeOf(index), board::ShadeOf(Index(index.Value() - 1))) << index.Value();
        }
        if (index.Row() > 0) {
            EXPECT_NE(board::ShadeOf(index), board::ShadeOf(Index(index.Value() - 8))) << index.Value();
        }
    }
}

struct CycleCase {
    int square;
    std::vector<std::string> pictures;
};

class ClickCycle : public testing::TestWithParam<CycleCase> {};

// Five clicks walk knight, king, bishop, rook and back to empty; the other squares never move.
TEST_P(ClickCycle, ShowsEachPieceThenThePlainSquare)
{
    const Index square(GetParam().square);
    const std::vector<PieceCode> codes{ PieceCode::Knight, PieceCode::King, PieceCode::Bishop, PieceCode::Rook,
                                        PieceCode::Empty };
    Board board;
    board.StoreCode(Index(63 - square.Value()), PieceCode::Rook);
    const Board untouched = board;
    for (std::size_t step = 0; step < codes.size(); ++step) {
        const board::ClickPlan plan = board.PlanClick(square);
        EXPECT_EQ(plan.picture, GetParam().pictures[step]) << "click " << step + 1;
        EXPECT_EQ(plan.next, codes[step]) << "click " << step + 1;
        EXPECT_EQ(board.PlanClick(square), plan) << "planning must not change the board";
        board.StoreCode(square, plan.next);
        EXPECT_EQ(board.CodeAt(square), codes[step]);
        for (const Index other : board::kAllSquares) {
            if (other != square) {
                EXPECT_EQ(board.CodeAt(other), untouched.CodeAt(other)) << other.Value();
            }
        }
    }
    EXPECT_EQ(board, untouched);
}

INSTANTIATE_TEST_SUITE_P(BothShades, ClickCycle,
                         testing::Values(CycleCase{ 0, { "vilo.bmp", "viki.bmp", "vifu.bmp", "viba.bmp", "vi.bmp" } },
                                         CycleCase{ 1, { "solo.bmp", "soki.bmp", "sofu.bmp", "soba.bmp", "so.bmp" } },
                                         CycleCase{ 8, { "solo.bmp", "soki.bmp", "sofu.bmp", "soba.bmp", "so.bmp" } },
                                         CycleCase{ 63,
                                                    { "vilo.bmp", "viki.bmp", "vifu.bmp", "viba.bmp", "vi.bmp" } }));

TEST(PictureName, TenDistinctNamesCoverEveryShadeAndCode)
{
    std::vector<std::string> names;
    for (const Shade shade : { Shade::Light, Shade::Dark })
        for (int code = 0; code < board::kPieceCodeCount; ++code)
            names.emplace_back(board::PictureName(shade, static_cast<PieceCode>(code)));
    EXPECT_EQ(names, (std::vector<std::string>{ "vi.bmp", "vilo.bmp", "viki.bmp", "vifu.bmp", "viba.bmp", "so.bmp",
                                                "solo.bmp", "soki.bmp", "sofu.bmp", "soba.bmp" }));
}

TEST(ResetSquare, NamesThePlainPictureOfTheShadeOnEverySquare)
{
    int light = 0;
    for (const Index index : board::kAllSquares) {
        const bool isLight = board::ShadeOf(index) == Shade::Light;
        light += isLight ? 1 : 0;
        EXPECT_EQ(Board::ResetSquare(index), isLight ? "vi.bmp" : "so.bmp") << index.Value();
    }
    EXPECT_EQ(light, 32);
}

TEST(SquareIndex, CheckedAcceptsOnlyTheBoard)
{
    for (const int value : { -1, 64, 65536, -65536 })
        EXPECT_FALSE(Index::Checked(value).has_value()) << value;
    for (const int value : { 0, 7, 56, 63 }) {
        const auto index = Index::Checked(value);
        ASSERT_TRUE(index.has_value()) << value;
        EXPECT_EQ(index->Row() * 8 + index->Column(), value);
    }
}

#ifndef NDEBUG
TEST(SquareIndexDeathTest, OutOfRangeAbortsLoudly)
{
    EXPECT_DEATH(static_cast<void>(Index(64)), "");
    EXPECT_DEATH(static_cast<void>(Index(-1)), "");
    Board board;
    EXPECT_DEATH(board.StoreCode(Index(0), static_cast<PieceCode>(5)), "");
}
#endif

} // namespace
