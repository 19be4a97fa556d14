// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "pairedbenchmark.h"

#include <ctime>

#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>
#include <vector>

namespace bench {
namespace {

double Median(std::vector<double> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

void RunPair(benchmark::State& state, benchmark::TimeUnit unit, const Side& measured, const Side& floor,
             std::int64_t itemsPerSample)
{
    std::vector<double> floors;
    std::vector<double> ratios;
    long peakKiB = 0;
    long floorPeakKiB = 0;
    bool floorFirst = false;
    for (auto _ : state) {
        std::array<Outcome, 2> outcomes;
        if (floorFirst) {
            outcomes[1] = floor();
            outcomes[0] = measured();
        } else {
            outcomes[0] = measured();
            outcomes[1] = floor();
        }
        floorFirst = !floorFirst;
        for (const Outcome& outcome : outcomes)
            if (const auto* failure = std::get_if<std::string>(&outcome)) {
                state.SkipWithError(failure->c_str());
                return;
            }
        const Sample& mine = std::get<Sample>(outcomes[0]);
        const Sample& base = std::get<Sample>(outcomes[1]);
        state.SetIterationTime(mine.seconds);
        floors.push_back(base.seconds);
        ratios.push_back(mine.seconds / base.seconds);
        peakKiB = std::max(peakKiB, mine.peakResidentKiB);
        floorPeakKiB = std::max(floorPeakKiB, base.peakResidentKiB);
    }
    if (itemsPerSample > 0)
        state.SetItemsProcessed(state.iterations() * itemsPerSample);
    state.counters[kFloor] = Median(floors) * benchmark::GetTimeUnitMultiplier(unit);
    state.counters[kRatio] = Median(ratios);
    if (peakKiB > 0) {
        state.counters[kPeakMemory] = MemoryCounter(peakKiB);
        state.counters[kFloorPeakMemory] = MemoryCounter(floorPeakKiB);
    }
}

} // namespace

benchmark::internal::Benchmark* RegisterPair(const char* name, int pairs, benchmark::TimeUnit unit, Side measured,
                                             Side floor, std::int64_t itemsPerSample)
{
    return benchmark::RegisterBenchmark(
               name, [unit, measured = std::move(measured), floor = std::move(floor), itemsPerSample](
                         benchmark::State& state) { RunPair(state, unit, measured, floor, itemsPerSample); })
        ->UseManualTime()
        ->Iterations(pairs)
        ->Unit(unit);
}

benchmark::Counter MemoryCounter(long kiB)
{
    constexpr double kBytesPerKiB = 1024;
    return { static_cast<double>(kiB) * kBytesPerKiB, benchmark::Counter::kDefaults, benchmark::Counter::kIs1024 };
}

double ProcessorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

} // namespace bench
