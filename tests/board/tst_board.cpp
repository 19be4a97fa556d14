// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "weightedsum.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <process.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
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
    const std::array<std::string, 21> rows{
        "=0", "N=0.03125", "...K=0.0625", "B=0.0714285714285714", "R=0.125", "NKBR=0.290178571428571",
        "BB=0.142857142857143", "NNN.K=0.15625", many('B', 7) + "=0.5", many('B', 13) + "=0.928571428571428",
        many('B', 14) + "=1", many('R', 8) + "=1", many('K', 16) + "=1", many('N', 32) + "=1",
        many('B', 64) + "=4.57142857142857", many('R', 64) + "=8", many('K', 64) + "=4", many('N', 64) + "=2",
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

// What printf makes of a double: rounded half to even at the 15th significant digit, written
// without an exponent and without trailing zeros.
std::string PrintfText(double value)
{
    if (value == 0.0)
        return "0";
    std::array<char, 32> scientific{};
    std::snprintf(scientific.data(), scientific.size(), "%.14e", value);
    const int exponent = std::atoi(std::strchr(scientific.data(), 'e') + 1);
    if (exponent > 14)
        return scientific[0] + std::string(scientific.data() + 2, 14) +
               std::string(static_cast<std::size_t>(exponent - 14), '0');
    std::string text(400, '\0');
    text.resize(static_cast<std::size_t>(std::snprintf(text.data(), text.size(), "%.*f", 14 - exponent, value)));
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

// std::bit_cast, which the web build's C++ library lacks.
double DoubleOfBits(std::uint64_t bits)
{
    double value = 0.0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TEST(DecimalText, RoundsAnyDoubleLikePrintf)
{
    EXPECT_EQ(board::DecimalText(5e-324), "0." + std::string(323, '0') + "494065645841247");
    EXPECT_EQ(board::DecimalText(1.7976931348623157e308), "179769313486232" + std::string(294, '0'));
    std::mt19937_64 random(20261206);
    for (int trial = 0; trial < 100000; ++trial) {
        // Any double; any decade from 10^-12 to 10^18; binary fractions of few bits, often
        // half-way between two 15-digit numbers.
        const double value = trial % 3 == 0 ? std::abs(DoubleOfBits(random()))
                             : trial % 3 == 1
                                 ? std::ldexp(static_cast<double>(random() >> 11), -53) *
                                       std::pow(10.0, static_cast<int>(random() % 31) - 12)
                                 : std::ldexp(static_cast<double>(random() >> 20), -static_cast<int>(random() % 41));
        if (std::isfinite(value)) {
            ASSERT_EQ(board::DecimalText(value), PrintfText(value)) << std::hexfloat << value;
        }
    }
}

// Standard output, standard error and exit status of the driver given that input.
std::tuple<std::string, std::string, int> RunDriver(const std::string& input)
{
    const std::string stem = testing::TempDir() + "board-driver-" + std::to_string(getpid());
    std::ofstream(stem + ".in", std::ios::binary) << input;
#ifdef _WIN32
    // cmd.exe keeps the quotes of a line that does not start with one.
    const int status =
        std::system((BOARD_DRIVER_PATH " <\"" + stem + ".in\" >\"" + stem + ".out\" 2>\"" + stem + ".err\"").c_str());
#else
    const int raw =
        std::system(("'" BOARD_DRIVER_PATH "' <" + stem + ".in >" + stem + ".out 2>" + stem + ".err").c_str());
    const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
    std::array<std::ostringstream, 2> texts;
    texts[0] << std::ifstream(stem + ".out").rdbuf();
    texts[1] << std::ifstream(stem + ".err").rdbuf();
    for (const char* suffix : { ".in", ".out", ".err" })
        std::filesystem::remove(stem + suffix);
    return { texts[0].str(), texts[1].str(), status };
}

// Input, the answers expected, and for a bad line what its message must name (exit status 2).
TEST(BoardDriver, AnswersEachLineOrStopsAtTheFirstBadOne)
{
    const std::string two = "vilo.bmp 0.03125\nsolo.bmp 0.0625\n";
    // clang-format off
    const std::array<std::array<std::string, 3>, 15> rows{ {
        { "", "", "" },
        { "click 5\nclick 5\nreset\nsum\nclick 5\n", "solo.bmp 0.03125\nsoki.bmp 0.0625\n0\n0\nsolo.bmp 0.03125\n", "" },
        { "click 63\nclick 63\nclick 63\nclick 63\nclick 63\nsum",
          "vilo.bmp 0.03125\nviki.bmp 0.0625\nvifu.bmp 0.0714285714285714\nviba.bmp 0.125\nvi.bmp 0\n0\n", "" },
        { "# set-up\n\n   \nclick 0\n  # note\n  click\t 01  \r\nsum\r\n", two + "0.0625\n", "" },
        { "click 0\nclick 1\n\njump 3\nsum\n", two, "line 4" }, { "click 0\nreset now\n", "vilo.bmp 0.03125\n", "line 2" },
        { "CLICK 0\n", "", "line 1" }, { "click 64\n", "", "'64'" }, { "click -1\n", "", "'-1'" },
        { "click +3\n", "", "'+3'" }, { "click 3x\n", "", "'3x'" }, { "click 99999999999999999999\n", "", "line 1" },
        { "click\n", "", "line 1" }, { "click 1 2\n", "", "'2'" }, { "sum 0\n", "", "line 1" } } };
    // clang-format on
    for (const auto& [input, out, error] : rows) {
        const auto [runOut, runErr, status] = RunDriver(input);
        EXPECT_EQ(runOut, out) << input;
        EXPECT_EQ(status, error.empty() ? 0 : 2) << input;
        EXPECT_TRUE(error.empty() ? runErr.empty() : runErr.find(error) != std::string::npos) << input << runErr;
    }
}

// Past every buffer's size, and line by line through pipes: an answer arrives before the next line is sent.
TEST(BoardDriver, AnswersALongRunAndAConversation)
{
    std::string input;
    for (int click = 0; click < 200000; ++click)
        input += "click " + std::to_string(click * 7 % 64) + "\n";
    const auto [out, err, status] = RunDriver(input + "sum\n");
    EXPECT_EQ(status, 0);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 200001);
    // Each square is clicked 3125 times, five times 625, so the board ends empty; the last is square 57.
    EXPECT_TRUE(out.ends_with("\nvi.bmp 0\n0\n")) << out.substr(out.size() - 40);

#ifndef _WIN32
    EXPECT_EQ(std::system("bash -c 'coproc D { \"" BOARD_DRIVER_PATH "\"; }; echo click 1 >&${D[1]}; "
                          "read -t 20 answer <&${D[0]}; [[ $answer == \"solo.bmp 0.03125\" ]]'"),
              0);
#endif
}

} // namespace
