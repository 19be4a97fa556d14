// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "casename.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct DriverRun {
    std::string out;
    std::string err;
    int status = -1;
};

std::string ReadAll(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

DriverRun RunDriver(const std::string& input)
{
    // Each test process has files of its own, so tests may run side by side.
    const std::filesystem::path stem =
        std::filesystem::path(testing::TempDir()) / ("board-driver-" + std::to_string(getpid()));
    const std::filesystem::path in = stem.string() + ".in", out = stem.string() + ".out", err = stem.string() + ".err";
    std::ofstream(in, std::ios::binary) << input;
    const std::string command = std::string("'") + BOARD_DRIVER_PATH + "' <'" + in.string() + "' >'" + out.string() +
                                "' 2>'" + err.string() + "'";
    const int raw = std::system(command.c_str());
    return { ReadAll(out), ReadAll(err), WIFEXITED(raw) ? WEXITSTATUS(raw) : -1 };
}

struct ProtocolCase {
    const char* name;
    std::string input;
    std::string out;
    int status;
    std::string errorMentions;
};

class BoardDriverProtocol : public testing::TestWithParam<ProtocolCase> {};

TEST_P(BoardDriverProtocol, AnswersEachLine)
{
    const DriverRun run = RunDriver(GetParam().input);
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(run.status, GetParam().status);
    if (GetParam().errorMentions.empty())
        EXPECT_EQ(run.err, "");
    else
        EXPECT_NE(run.err.find(GetParam().errorMentions), std::string::npos) << run.err;
}

const std::string kTwoClicks = "vilo.bmp 0.03125\nsolo.bmp 0.0625\n";

INSTANTIATE_TEST_SUITE_P(
    GoodInput, BoardDriverProtocol,
    testing::Values(
        ProtocolCase{ "NoInput", "", "", 0, "" }, ProtocolCase{ "TwoClicks", "click 0\nclick 1\n", kTwoClicks, 0, "" },
        ProtocolCase{ "SumOfEmptyBoard", "sum\n", "0\n", 0, "" },
        ProtocolCase{ "ResetEmptiesTheBoard", "click 5\nclick 5\nreset\nsum\nclick 5\n",
                      "solo.bmp 0.03125\nsoki.bmp 0.0625\n0\n0\nsolo.bmp 0.03125\n", 0, "" },
        ProtocolCase{ "CycleBackToEmpty", "click 63\nclick 63\nclick 63\nclick 63\nclick 63\n",
                      "vilo.bmp 0.03125\nviki.bmp 0.0625\nvifu.bmp 0.0714285714285714\n"
                      "viba.bmp 0.125\nvi.bmp 0\n",
                      0, "" },
        ProtocolCase{ "SkipsBlankAndCommentLines", "# setup\n\n   \nclick 0\n  # note\nclick 1", kTwoClicks, 0, "" },
        ProtocolCase{ "ToleratesSpacingAndCarriageReturns", "  click\t 0  \r\nclick 01\r\n", kTwoClicks, 0, "" }),
    CaseName{});

// A bad line stops the run: the lines before it have their answers, the bad one does nothing.
INSTANTIATE_TEST_SUITE_P(
    BadLines, BoardDriverProtocol,
    testing::Values(ProtocolCase{ "UnknownWord", "click 0\njump 3\nsum\n", "vilo.bmp 0.03125\n", 2, "line 2" },
                    ProtocolCase{ "WordsAreCaseSensitive", "CLICK 0\n", "", 2, "line 1" },
                    ProtocolCase{ "SquarePastTheBoard", "click 0\nclick 1\n\nclick 64\n", kTwoClicks, 2, "line 4" },
                    ProtocolCase{ "NegativeSquare", "click -1\n", "", 2, "'-1'" },
                    ProtocolCase{ "SignedSquare", "click +3\n", "", 2, "'+3'" },
                    ProtocolCase{ "TrailingLetters", "click 3x\n", "", 2, "'3x'" },
                    ProtocolCase{ "HexSquare", "click 0x1\n", "", 2, "line 1" },
                    ProtocolCase{ "HugeSquare", "click 99999999999999999999\n", "", 2, "line 1" },
                    ProtocolCase{ "MissingSquare", "click\n", "", 2, "line 1" },
                    ProtocolCase{ "ExtraArgument", "click 1 2\n", "", 2, "'2'" },
                    ProtocolCase{ "ResetTakesNothing", "click 0\nreset now\n", "vilo.bmp 0.03125\n", 2, "line 2" },
                    ProtocolCase{ "SumTakesNothing", "sum 0\n", "", 2, "line 1" }),
    CaseName{});

TEST(BoardDriverThroughput, AnswersEveryLineOfALongRun)
{
    std::string input;
    constexpr int kClicks = 200000;
    for (int click = 0; click < kClicks; ++click)
        input += "click " + std::to_string(click * 7 % 64) + "\n";
    const DriverRun run = RunDriver(input + "sum\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), kClicks + 1);
    EXPECT_TRUE(run.out.ends_with("\n")) << "output cut short";
}

} // namespace
