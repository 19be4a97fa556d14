// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// The board logic: the sum's text, and the driver's throughput as a whole process, each beside
// a floor measured in the same run.

#include "benchmarks.h"
#include "pairedbenchmark.h"
#include "spawnactions.h"

#include "weightedsum.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace bench {
namespace {

constexpr int kDriverCommands = 2'000'000;

board::Board BoardOf(board::PieceCode (*codeOf)(int square))
{
    board::Board result;
    for (const board::Index index : board::kAllSquares)
        result.StoreCode(index, codeOf(index.Value()));
    return result;
}

void SumTextOf(benchmark::State& state, const board::Board& board)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(board::SumText(board));
}

constexpr int kSumTextsPerSample = 20'000;
constexpr int kSumTextPairsPerRun = 25;

Side SumTexts(const board::Board& board)
{
    return
        [board] { return PerUnit(kSumTextsPerSample, [&board] { benchmark::DoNotOptimize(board::SumText(board)); }); };
}

// What any text of the sum costs, which SumText cannot avoid: the board added up, the double's
// shortest round-trip digits from std::to_chars (the same kind of work as SumText's rounding,
// which std::to_chars does too), and a string of them.
Side SumTextFloors(const board::Board& board)
{
    return [board] {
        return PerUnit(kSumTextsPerSample, [&board] {
            std::array<char, 32> digits{};
            char* end = std::to_chars(digits.data(), digits.data() + digits.size(), board::WeightedSum(board)).ptr;
            std::string text(digits.data(), end);
            benchmark::DoNotOptimize(text);
        });
    };
}

// A script of clicks on squares in a scrambled order, a "sum" every 16 lines
// and a "reset" every 1000, in a file of memory the driver reads as its input.
int DriverScript()
{
    const int file = memfd_create("board-driver-script", MFD_CLOEXEC);
    std::string script;
    std::uint32_t scramble = 1;
    for (int line = 1; line <= kDriverCommands; ++line) {
        if (line % 1000 == 0) {
            script += "reset\n";
        } else if (line % 16 == 0) {
            script += "sum\n";
        } else {
            scramble = scramble * 1'664'525 + 1'013'904'223;
            script += "click ";
            script += std::to_string(scramble >> 26);
            script += '\n';
        }
    }
    for (std::string_view rest = script; !rest.empty();) {
        const ssize_t written = write(file, rest.data(), rest.size());
        if (written <= 0)
            return -1;
        rest.remove_prefix(static_cast<std::size_t>(written));
    }
    return file;
}

// The driver's script, shared by the driver and its floor; closed with the last of them.
class Script {
public:
    Script() : file_(DriverScript()) {}
    ~Script()
    {
        if (file_ >= 0)
            close(file_);
    }
    Script(const Script&) = delete;
    Script& operator=(const Script&) = delete;

    [[nodiscard]] int File() const { return file_; }

private:
    int file_;
};

// One run of the program over the script, its answers going to /dev/null: board-driver or its
// floor. The time taken is the processor time the process used (user and system, from wait4), which
// other work on the machine changes far less than the time on the clock.
Side DriverRuns(std::shared_ptr<const Script> script, std::string driver)
{
    return [script = std::move(script), driver = std::move(driver)]() -> Outcome {
        if (script->File() < 0)
            return std::string("cannot write the driver's script");
        SpawnActions actions;
        actions.Copy(script->File(), STDIN_FILENO);
        actions.Silence();
        std::string program = driver;
        std::array<char*, 2> argv{ program.data(), nullptr };
        lseek(script->File(), 0, SEEK_SET);
        pid_t pid = -1;
        int status = -1;
        rusage usage{};
        if (posix_spawn(&pid, program.c_str(), actions.Get(), nullptr, argv.data(), environ) == 0)
            wait4(pid, &status, 0, &usage);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            return driver + " failed";
        const auto seconds = [](const timeval& time) {
            return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
        };
        return Sample{ seconds(usage.ru_utime) + seconds(usage.ru_stime) };
    };
}

} // namespace

void RegisterBoardBenchmarks(const Programs& programs)
{
    using board::PieceCode;
    const board::Board empty;
    // Each kind and empty squares in turn; then every square holding a piece.
    const board::Board mixed = BoardOf([](int square) { return static_cast<PieceCode>(square * 3 % 5); });
    const board::Board full = BoardOf([](int square) { return static_cast<PieceCode>(square % 4 + 1); });
    for (const auto& [name, board] : { std::pair{ kSumTextEmpty, empty }, std::pair{ kSumTextMixed, mixed } })
        benchmark::RegisterBenchmark(name, SumTextOf, board)->Repetitions(kRepetitions)->MinTime(0.1);
    RegisterPair(kSumTextFull, kSumTextPairsPerRun, benchmark::kNanosecond, SumTexts(full), SumTextFloors(full))
        ->Repetitions(kRepetitions);

    const auto script = std::make_shared<const Script>();
    RegisterPair(kDriver, 1, benchmark::kMillisecond, DriverRuns(script, programs.boardDriver),
                 DriverRuns(script, programs.driverFloor), kDriverCommands)
        ->Repetitions(kRepetitions);
}

} // namespace bench
