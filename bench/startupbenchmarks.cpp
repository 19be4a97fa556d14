// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Start-up of the real program beside the bare window, each a whole process on
// a private X server, from just before it is started to its first whole frame:
// on the clock, and in instructions executed, counted by callgrind.

#include "benchmarks.h"
#include "firstframewatch.h"
#include "pairedbenchmark.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace bench {
namespace {

// One start, to the first frame on the clock.
Outcome StartOf(FirstFrameWatch& watch, const std::vector<std::string>& command, const std::string& folder)
{
    const std::optional<StartUp> startUp = watch.Run(command, folder);
    if (!startUp)
        return watch.Error();
    return Sample{ std::chrono::duration<double>(startUp->toFirstFrame).count(), startUp->peakResidentKiB };
}

void StartUpOf(benchmark::State& state, FirstFrameWatch* watch, const std::vector<std::string>& command,
               const std::string& folder)
{
    long peakKiB = 0;
    for (auto _ : state) {
        const Outcome start = StartOf(*watch, command, folder);
        if (const auto* failure = std::get_if<std::string>(&start)) {
            state.SkipWithError(failure->c_str());
            return;
        }
        state.SetIterationTime(std::get<Sample>(start).seconds);
        peakKiB = std::max(peakKiB, std::get<Sample>(start).peakResidentKiB);
    }
    state.counters[kPeakMemory] = MemoryCounter(peakKiB);
}

// The same start under callgrind, to the first frame: the instructions the program executed, which
// other work on the machine does not change. The time shown is callgrind's, which means nothing.
void InstructionsOf(benchmark::State& state, FirstFrameWatch* watch, std::vector<std::string> command,
                    const std::string& folder)
{
    const std::string counts =
        std::filesystem::temp_directory_path() / ("tessk-bench-callgrind." + std::to_string(getpid()));
    command.insert(command.begin(), { kValgrind, "--tool=callgrind", "--callgrind-out-file=" + counts });
    double instructions = 0;
    for (auto _ : state) {
        const std::optional<StartUp> startUp = watch->Run(command, folder);
        std::string line;
        for (std::ifstream file(counts); std::getline(file, line) && !line.starts_with("summary: ");) {
        }
        std::filesystem::remove(counts);
        if (!startUp || !line.starts_with("summary: ")) {
            state.SkipWithError(startUp ? "callgrind wrote no count" : watch->Error().c_str());
            return;
        }
        instructions = std::stod(line.substr(line.find(' ') + 1));
        state.SetIterationTime(std::chrono::duration<double>(startUp->toFirstFrame).count());
    }
    state.counters[kInstructions] = instructions;
}

} // namespace

void RegisterStartUpBenchmarks(const Programs& programs, FirstFrameWatch& watch)
{
    const auto starts = [&watch, folder = programs.pictures](const std::vector<std::string>& command) -> Side {
        return [&watch, folder, command] { return StartOf(watch, command, folder); };
    };
    RegisterPair(kStartUp, 1, benchmark::kMillisecond, starts({ programs.tesskResearch }),
                 starts({ programs.bareWindow, "reset" }))
        ->Repetitions(kStartUpRepetitions);
    // The empty window alone, for comparison.
    benchmark::RegisterBenchmark(kStartUpFloor, StartUpOf, &watch, std::vector{ programs.bareWindow },
                                 programs.pictures)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(kStartUpRepetitions)
        ->Unit(benchmark::kMillisecond);
    for (const auto& [name, command] :
         { std::pair{ kStartUpInstructions, std::vector{ programs.tesskResearch } },
           std::pair{ kStartUpCaptionedInstructions, std::vector<std::string>{ programs.bareWindow, "reset" } } })
        benchmark::RegisterBenchmark(name, InstructionsOf, &watch, command, programs.pictures)
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(kInstructionRepetitions)
            ->Unit(benchmark::kSecond);
}

} // namespace bench
