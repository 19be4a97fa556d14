// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "run.h"
#include "weightedsum.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <locale>
#include <random>
#include <sstream>
#include <string>
#include <tuple>

using board::Board;
using board::Index;
using board::PieceCode;

namespace {

// A board written one character a square from square 0: '.' empty, N, K, B, R.
Board BoardFromText(std::string_view text)
{
    Board result;
    for (std::size_t square = 0; square < text.size(); ++square)
        result.StoreCode(Index(static_cast<int>(square)),
                         static_cast<PieceCode>(std::string_view(".NKBR").find(text[square])));
    return result;
}

// Every square against a model of its own: light where row plus column is even, square 0 at the
// top left; five clicks walk knight, king, bishop, rook, empty, each shown by the shade's prefix
// and the piece's suffix; after the fifth the board is as it was.
TEST(Board, EverySquareCyclesLikeTheModel)
{
    const std::array<PieceCode, 5> cycle{ PieceCode::Knight, PieceCode::King, PieceCode::Bishop, PieceCode::Rook,
                                          PieceCode::Empty };
    const std::array<std::string, 5> suffixes{ "lo", "ki", "fu", "ba", "" };
    for (const Index index : board::kAllSquares) {
        const int row = index.Value() / 8, column = index.Value() % 8;
        const std::string prefix = (row + column) % 2 == 0 ? "vi" : "so";
        EXPECT_EQ(Board::ResetSquare(index), prefix + ".bmp") << index.Value();
        Board board;
        board.StoreCode(Index(63 - index.Value()), PieceCode::Rook);
        const Board before = board;
        for (std::size_t step = 0; step < cycle.size(); ++step) {
            const board::ClickPlan plan = board.PlanClick(index);
            EXPECT_EQ(plan.picture, prefix + suffixes[step] + ".bmp") << index.Value();
            EXPECT_EQ(plan.next, cycle[step]) << index.Value();
            board.StoreCode(index, plan.next);
        }
        EXPECT_EQ(board, before);
    }
}

// The digits are what the program shows, so they are written out here, not worked out.
TEST(SumText, HasTheExactDigits)
{
    const auto many = [](char piece, int count) { return std::string(static_cast<std::size_t>(count), piece); };
    // Boards as squares from 0, '=', the text. The last three, added square by square, end in 8;
    // added by kind, or exactly, they would end in 9.
    // clang-format off
    const std::array<std::string, 16> rows{
        "=0", "N=0.03125", "...K=0.0625", "B=0.0714285714285714", "R=0.125", "NKBR=0.290178571428571",
        "BB=0.142857142857143", "NNN.K=0.15625", many('B', 7) + "=0.5", many('B', 13) + "=0.928571428571428",
        many('B', 14) + "=1", many('B', 64) + "=4.57142857142857", many('R', 64) + "=8",
        ".NBK...B..................BR.K........B.........R..N..BB=0.866071428571428",
        "B..............B.................B.....R.....B....B.....B=0.553571428571428",
        ".B.B........RNKB...N.B...BK..............R.K.K..........B=0.991071428571428" };
    // clang-format on
    // Under a global locale with a decimal comma, which the text must not follow.
    struct CommaDecimal : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    for (const std::string& row : rows) {
        const std::size_t split = row.find('=');
        EXPECT_EQ(board::SumText(BoardFromText(row.substr(0, split))), row.substr(split + 1)) << row;
    }
    std::locale::global(previous);
}

// Random boards of every density against a reference of the test's own: the weight of each piece
// added square by square, as the program must, then written by printf, which rounds to 15
// significant digits and drops the trailing zeros itself.
TEST(SumText, RandomBoardsMatchAReference)
{
    const std::array<double, 5> divisors{ 0.0, 32.0, 16.0, 14.0, 8.0 };
    std::mt19937 random(20261208);
    for (int trial = 0; trial < 20000; ++trial) {
        Board board;
        double sum = 0.0;
        const auto emptyInTen = random() % 11;
        for (int square = 0; square < board::kSquareCount; ++square) {
            const auto code = random() % 10 < emptyInTen ? 0 : 1 + random() % 4;
            board.StoreCode(Index(square), static_cast<PieceCode>(code));
            if (code != 0)
                sum = sum + 1.0 / divisors[code];
        }
        std::array<char, 32> text{};
        std::snprintf(text.data(), text.size(), "%.15g", sum);
        ASSERT_EQ(board::SumText(board), text.data()) << trial;
    }
}

// The answers, the messages and the status of a driver run on that input.
std::tuple<std::string, std::string, int> RunDriver(const std::string& input)
{
    std::istringstream commands(input);
    std::ostringstream answers, errors;
    const int status = driver::Run(commands, answers, errors);
    return { answers.str(), errors.str(), status };
}

// Input, the answers expected, and for a bad line what its message must name (exit status 2). A
// number of 11 digits would overflow an int if it were read whole.
TEST(BoardDriver, AnswersEachLineOrStopsAtTheFirstBadOne)
{
    const std::string two = "vilo.bmp 0.03125\nsolo.bmp 0.0625\n";
    // clang-format off
    const std::array<std::array<std::string, 3>, 16> rows{ {
        { "", "", "" },
        { "click 5\nclick 5\nreset\nsum\nclick 5\n", "solo.bmp 0.03125\nsoki.bmp 0.0625\n0\n0\nsolo.bmp 0.03125\n", "" },
        { "click 63\nclick 63\nclick 63\nclick 63\nclick 63\nsum",
          "vilo.bmp 0.03125\nviki.bmp 0.0625\nvifu.bmp 0.0714285714285714\nviba.bmp 0.125\nvi.bmp 0\n0\n", "" },
        { "# set-up\n\n   \nclick 0\n  # note\n  click\t 01  \r\nsum\r\n", two + "0.0625\n", "" },
        { "click 0\nclick 1\n\njump 3\nsum\n", two, "line 4" }, { "click 0\nreset now\n", "vilo.bmp 0.03125\n", "line 2" },
        { "CLICK 0\n", "", "line 1" }, { "click 64\n", "", "'64'" }, { "click -1\n", "", "'-1'" },
        { "click +3\n", "", "'+3'" }, { "click 3x\n", "", "'3x'" }, { "click 99999999999\n", "", "'99999999999'" },
        { "click 99999999999999999999\n", "", "line 1" }, { "click\n", "", "line 1" }, { "click 1 2\n", "", "'2'" },
        { "sum 0\n", "", "line 1" } } };
    // clang-format on
    for (const auto& [input, out, error] : rows) {
        const auto [runOut, runErr, status] = RunDriver(input);
        EXPECT_EQ(runOut, out) << input;
        EXPECT_EQ(status, error.empty() ? 0 : 2) << input;
        EXPECT_TRUE(error.empty() ? runErr.empty() : runErr.find(error) != std::string::npos) << input << runErr;
    }
}

#ifdef BOARD_DRIVER_PATH
// The program, line by line through pipes: an answer arrives before the next line is sent.
TEST(BoardDriverProgram, AnswersEachLineBeforeTheNext)
{
    EXPECT_EQ(std::system("bash -c 'coproc D { \"" BOARD_DRIVER_PATH "\"; }; echo click 1 >&${D[1]}; "
                          "read -t 20 answer <&${D[0]}; [[ $answer == \"solo.bmp 0.03125\" ]]'"),
              0);
}
#endif

} // namespace
