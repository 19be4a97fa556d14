// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Runs every benchmark (see bench/README.md): the table, then one line for each target.
// Google Benchmark's own options work as usual; --benchmark_filter=Click runs some only.

#include "benchmarks.h"
#include "firstframewatch.h"
#include "ratioreport.h"

#include "form1.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QLoggingCategory>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // This process measures the window's handlers offscreen; the start-up
    // benchmarks start their programs on an X server of their own.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The hostile corpus makes Qt's decoders complain at every load; the table is what matters here.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio=false"));

    const bench::Programs programs{ BOARD_DRIVER_PATH, DRIVER_FLOOR_PATH, TESSK_RESEARCH_PATH, BARE_WINDOW_PATH,
                                    PICTURES_DIR };
    if (!QDir::setCurrent(QString::fromStdString(programs.pictures))) {
        std::fprintf(stderr, "tessk-bench: no pictures folder at %s\n", programs.pictures.c_str());
        return 1;
    }

    // Repetitions run interleaved in random order unless the command line says otherwise.
    std::vector<std::string> arguments{ argv[0], "--benchmark_enable_random_interleaving=true" };
    arguments.insert(arguments.end(), argv + 1, argv + argc);
    std::vector<char*> pointers;
    pointers.reserve(arguments.size() + 1);
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    int count = static_cast<int>(pointers.size());
    pointers.push_back(nullptr);
    benchmark::Initialize(&count, pointers.data());
    if (benchmark::ReportUnrecognizedArguments(count, pointers.data()))
        return 2;

    window::Form1 form;
    form.show();
    QCoreApplication::processEvents();
    bench::FirstFrameWatch watch;

    bench::RegisterBoardBenchmarks(programs);
    bench::RegisterWindowBenchmarks(form);
    bench::RegisterStartUpBenchmarks(programs, watch);
    bench::RegisterLoadBenchmarks(LOADER_CORPUS);

    bench::RatioReport report;
    benchmark::RunSpecifiedBenchmarks(&report);
    benchmark::Shutdown();
    return report.Complete() ? 0 : 1;
}
