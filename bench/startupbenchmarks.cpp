// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Start-up of the real program beside the bare window, each a whole process on
// a private X server, from just before it is started to its first whole frame.

#include "benchmarks.h"
#include "firstframewatch.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace bench {
namespace {

constexpr int kStartsPerRun = 2;

void StartUpOf(benchmark::State& state, FirstFrameWatch* watch, const std::vector<std::string>& command,
               const std::string& folder)
{
    long peakKiB = 0;
    for (auto _ : state) {
        const std::optional<StartUp> startUp = watch->Run(command, folder);
        if (!startUp) {
            state.SkipWithError(watch->Error().c_str());
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(startUp->toFirstFrame).count());
        peakKiB = std::max(peakKiB, startUp->peakResidentKiB);
    }
    constexpr double kBytesPerKiB = 1024;
    state.counters[kPeakMemory] = benchmark::Counter(static_cast<double>(peakKiB) * kBytesPerKiB,
                                                     benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
}

} // namespace

void RegisterStartUpBenchmarks(const Programs& programs, FirstFrameWatch& watch)
{
    const auto add = [&](const char* name, const std::vector<std::string>& command) {
        benchmark::RegisterBenchmark(name, StartUpOf, &watch, command, programs.pictures)
            ->UseManualTime()
            ->Iterations(kStartsPerRun)
            ->Repetitions(kStartUpRepetitions)
            ->Unit(benchmark::kMillisecond);
    };
    add(kStartUp, { programs.tesskResearch });
    add(kStartUpFloor, { programs.bareWindow });
    add(kStartUpCaptioned, { programs.bareWindow, "reset" });
}

} // namespace bench
