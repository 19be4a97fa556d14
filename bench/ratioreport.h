// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <benchmark/benchmark.h>

#include <optional>
#include <vector>

namespace bench {

// The console table with one row for each benchmark, the median of its runs, in
// the order they were registered (they run interleaved); then one line for each
// target, worked out from the medians of the same run.
class RatioReport : public benchmark::ConsoleReporter {
public:
    RatioReport() : benchmark::ConsoleReporter(OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    // False when a benchmark failed.
    [[nodiscard]] bool Complete() const { return complete_; }

private:
    [[nodiscard]] const Run* medianOf(const char* name) const;
    // The median's time, as the benchmark took it.
    [[nodiscard]] std::optional<double> secondsOf(const char* name) const;
    [[nodiscard]] std::optional<double> counterOf(const char* name, const char* counter) const;
    void printTargets();

    std::vector<Run> rows_;
    bool complete_ = true;
};

} // namespace bench
