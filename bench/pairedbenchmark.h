// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <string>
#include <type_traits>
#include <variant>

namespace bench {

// One measurement of one side of a pair: seconds per unit of work, and the most memory the
// work held resident if it was a process of its own (0 otherwise).
struct Sample {
    double seconds = 0;
    long peakResidentKiB = 0;
};
// A sample, or why the work could not be done.
using Outcome = std::variant<Sample, std::string>;
using Side = std::function<Outcome()>;

// The counters of a pair's row: the floor's time per unit (in the row's unit of time), the
// median of the ratios of each pair of samples, and the peak memory of each side when they are
// processes.
inline constexpr const char* kFloor = "floor";
inline constexpr const char* kRatio = "ratio";
inline constexpr const char* kPeakMemory = "peak_memory";
inline constexpr const char* kFloorPeakMemory = "floor_peak_memory";

// Registers a benchmark that measures `measured` and `floor` back to back, `pairs` times in each
// run (an odd number: the median is then one of them), the one first and then the other in turn.
// The host a benchmark runs on can slow all work by half for seconds at a time; two samples taken
// within milliseconds of each other are slowed alike, so the ratio of each pair holds where a
// ratio of two separately taken medians would not. The row's time is the measured side's; its
// counters are the floor's and the ratio's, and items_per_second when each sample does
// `itemsPerSample` items of work.
benchmark::internal::Benchmark* RegisterPair(const char* name, int pairs, benchmark::TimeUnit unit, Side measured,
                                             Side floor, std::int64_t itemsPerSample = 0);

// A counter of memory held, given in KiB; Google Benchmark shows it in MiB ("M" for 1024²).
benchmark::Counter MemoryCounter(long kiB);

// This process's processor time, in seconds.
double ProcessorSeconds();

// Does `once` `units` times and returns its processor seconds per run. A `once` that can fail
// returns false when it did, and `failure` then says why.
template <typename Once>
Outcome PerUnit(int units, Once&& once, const char* failure = "")
{
    const double start = ProcessorSeconds();
    for (int unit = 0; unit < units; ++unit) {
        if constexpr (std::is_same_v<std::invoke_result_t<Once&>, bool>) {
            if (!once())
                return std::string(failure);
        } else {
            once();
        }
    }
    return Sample{ (ProcessorSeconds() - start) / units };
}

} // namespace bench
