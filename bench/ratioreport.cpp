// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "ratioreport.h"

#include "benchmarks.h"
#include "pairedbenchmark.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <ostream>
#include <string>
#include <tuple>

namespace bench {
namespace {

constexpr double kMiB = 1024.0 * 1024.0;

std::string Formatted(const char* format, double value)
{
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), format, value);
    return text.data();
}

} // namespace

void RatioReport::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        const bool firstError = run.error_occurred && std::none_of(rows_.begin(), rows_.end(), [&run](const Run& row) {
                                    return row.run_name.function_name == run.run_name.function_name;
                                });
        if (run.error_occurred)
            complete_ = false;
        if (firstError || (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median"))
            rows_.push_back(run);
    }
}

void RatioReport::Finalize()
{
    std::stable_sort(rows_.begin(), rows_.end(), [](const Run& a, const Run& b) {
        return std::tie(a.family_index, a.per_family_instance_index) <
               std::tie(b.family_index, b.per_family_instance_index);
    });
    // Each row named as registered: how long, how often and how it was timed say nothing here.
    std::vector<Run> shown = rows_;
    for (Run& row : shown) {
        benchmark::BenchmarkName name;
        name.function_name = row.run_name.function_name;
        name.args = row.run_name.args;
        row.run_name = name;
    }
    name_field_width_ = 0;
    for (const Run& row : shown)
        name_field_width_ = std::max(name_field_width_, row.benchmark_name().size());
    for (const Run& row : shown)
        ConsoleReporter::ReportRuns({ row });
    printTargets();
}

const benchmark::BenchmarkReporter::Run* RatioReport::medianOf(const char* name) const
{
    const auto found = std::find_if(rows_.begin(), rows_.end(), [name](const Run& run) {
        return !run.error_occurred && run.run_name.function_name == name;
    });
    return found == rows_.end() ? nullptr : &*found;
}

std::optional<double> RatioReport::secondsOf(const char* name) const
{
    const Run* run = medianOf(name);
    if (run == nullptr)
        return std::nullopt;
    return run->GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run->time_unit);
}

std::optional<double> RatioReport::counterOf(const char* name, const char* counter) const
{
    const Run* run = medianOf(name);
    if (run == nullptr || !run->counters.contains(counter))
        return std::nullopt;
    return run->counters.at(counter).value;
}

void RatioReport::printTargets()
{
    struct Line {
        const char* what;
        std::optional<double> value;
        const char* format; // of the value
        const char* target; // in words; nullptr for a line shown for comparison only
        bool (*met)(double);
    };
    const auto ratio = [](std::optional<double> over, std::optional<double> under) -> std::optional<double> {
        if (!over || !under || *under <= 0)
            return std::nullopt;
        return *over / *under;
    };
    const auto difference = [](std::optional<double> over, std::optional<double> under) -> std::optional<double> {
        if (!over || !under)
            return std::nullopt;
        return (*over - *under) / kMiB;
    };
    const auto peak = [this](const char* name) { return counterOf(name, kPeakMemory); };
    // Of two medians: the empty window's start, which has no target.
    const auto timeRatio = [&](const char* over, const char* under) {
        return ratio(secondsOf(over), secondsOf(under));
    };
    // A pair's own: the median of the ratios of samples taken back to back.
    const auto pairRatio = [this](const char* name) { return counterOf(name, kRatio); };
    const std::optional<double> worstLoad = secondsOf(kWorstHostileLoad);

    const std::vector<Line> lines{
        { "click / floor", pairRatio(kClick), "%.2f", "<= 1.1", [](double value) { return value <= 1.1; } },
        { "reset / 64 floors", pairRatio(kReset), "%.2f", "<= 1.1", [](double value) { return value <= 1.1; } },
        { "start-up / bare window reset", pairRatio(kStartUp), "%.2f", "<= 1.15",
          [](double value) { return value <= 1.15; } },
        { "start-up instructions / bare window reset's",
          ratio(counterOf(kStartUpInstructions, kInstructions),
                counterOf(kStartUpCaptionedInstructions, kInstructions)),
          "%.3f", "<= 1.25", [](double value) { return value <= 1.25; } },
        { "peak memory - bare window reset's", difference(peak(kStartUp), counterOf(kStartUp, kFloorPeakMemory)),
          "%+.2f MiB", "<= +2 MiB", [](double value) { return value <= 2.0; } },
        { "SumText of a full board / floor", pairRatio(kSumTextFull), "%.2f", "<= 2.1",
          [](double value) { return value <= 2.1; } },
        { "board-driver / floor", pairRatio(kDriver), "%.2f", "<= 7", [](double value) { return value <= 7.0; } },
        { "worst hostile load", worstLoad ? std::optional(*worstLoad * 1e3) : std::nullopt, "%.1f ms", "<= 50 ms",
          [](double value) { return value <= 50.0; } },
        { "start-up / empty bare window", timeRatio(kStartUp, kStartUpFloor), "%.2f", nullptr, nullptr },
        { "peak memory - empty bare window's", difference(peak(kStartUp), peak(kStartUpFloor)), "%+.2f MiB", nullptr,
          nullptr },
    };

    std::ostream& out = GetOutputStream();
    out << '\n';
    for (const Line& line : lines) {
        std::string text = std::string(line.what) + " = ";
        text += line.value ? Formatted(line.format, *line.value) : std::string("(not run)");
        if (line.target == nullptr)
            text += " (for comparison, no target)";
        else if (line.value)
            text += std::string(" (target ") + line.target + ") " + (line.met(*line.value) ? "ok" : "MISSED");
        out << text << '\n';
    }
    out.flush();
}

} // namespace bench
