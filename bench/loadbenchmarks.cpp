// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// The worst load of the hostile corpus: every seed in the loader's fuzzing corpus folder (a small
// file of each format read, the hostile files) and a few files too large to commit, each written
// under a picture's name and loaded as a click would. One iteration loads
// each file once and counts the slowest, in CPU time. Each load runs in a child forked for it,
// which takes every allocation over 16 KiB as fresh memory: so peak_extra, the most any one load
// raised the peak resident memory above what was resident before it, sees what the load needed
// rather than what an earlier one left free.

#include "benchmarks.h"

#include "picturefile.h"

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QTemporaryDir>

#include <malloc.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <ctime>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace bench {
namespace {

constexpr const char* kName = "vilo.bmp";

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// A field of this process's /proc status in bytes.
double StatusBytes(std::string_view field)
{
    return static_cast<double>(StatusKiB(::getpid(), field)) * 1024.0;
}

void ResetPeakMemory()
{
    std::ofstream("/proc/self/clear_refs") << "5";
}

// Files too large for the committed corpus: valid pictures far past the bounds, pictures at them,
// and text formats padded to the largest file taken.
std::vector<QByteArray> LargeFiles()
{
    std::vector<QByteArray> files;
    const auto encoded = [&files](int side, const char* format, bool progressive) {
        QImage image(side, side, QImage::Format_RGB32);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x ^ y) % 256));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        writer.setProgressiveScanWrite(progressive);
        writer.setQuality(100);
        writer.write(image);
        files.push_back(bytes);
    };
    encoded(4096, "png", false);
    encoded(4096, "jpeg", false);
    encoded(window::kMaxPictureSide, "png", false);
    encoded(window::kMaxPictureSide, "jpeg", true);
    encoded(window::kMaxPictureSide, "bmp", false);
    const qsizetype room = window::kMaxPictureFileBytes - 64;
    files.push_back(QByteArray("P1\n512 512\n") + QByteArray(room, ' ') + "1");
    files.push_back(QByteArray("P3\n512 512\n65535\n") + QByteArray(room, '\n'));
    QByteArray colours("/* XPM */\nstatic char *x[] = {\n\"512 512 40000 3\",\n");
    for (int colour = 0; colours.size() < room; ++colour)
        colours +=
            QStringLiteral("\"%1 c #%2\",\n").arg(colour, 3, 36, QChar('0')).arg(colour, 6, 16, QChar('0')).toLatin1();
    files.push_back(colours);
    return files;
}

struct Cost {
    double seconds = 0.0;
    double peakBytes = 0.0;
};

Cost LoadInChild()
{
    std::array<int, 2> pipe{};
    if (::pipe(pipe.data()) != 0)
        return {};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        mallopt(M_MMAP_THRESHOLD, 16 * 1024);
        ResetPeakMemory();
        const double resident = StatusBytes("VmRSS:");
        const double start = ThreadSeconds();
        benchmark::DoNotOptimize(window::LoadPicture(kName));
        const Cost cost{ ThreadSeconds() - start, StatusBytes("VmHWM:") - resident };
        ::_exit(::write(pipe[1], &cost, sizeof cost) == sizeof cost ? 0 : 1);
    }
    ::close(pipe[1]);
    Cost cost{};
    if (child < 0 || ::read(pipe[0], &cost, sizeof cost) != sizeof cost)
        cost = {};
    ::close(pipe[0]);
    int status = 0;
    if (child > 0)
        ::waitpid(child, &status, 0);
    return cost;
}

void WorstHostileLoad(benchmark::State& state, const std::string& corpus)
{
    std::vector<QByteArray> files = LargeFiles();
    QDir seeds(QString::fromStdString(corpus));
    for (const QString& name : seeds.entryList(QDir::Files)) {
        QFile seed(seeds.filePath(name));
        if (!name.endsWith(".license") && seed.open(QIODevice::ReadOnly))
            files.push_back(seed.readAll());
    }
    QTemporaryDir scratch;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(scratch.path());
    double worstPeak = 0.0;
    for (auto _ : state) {
        double worst = 0.0;
        for (const QByteArray& bytes : files) {
            QFile file(kName);
            file.open(QIODevice::WriteOnly | QIODevice::Truncate);
            file.write(bytes);
            file.close();
            const Cost cost = LoadInChild();
            worst = std::max(worst, cost.seconds);
            worstPeak = std::max(worstPeak, cost.peakBytes);
        }
        state.SetIterationTime(worst);
    }
    QDir::setCurrent(previous);
    state.counters["files"] = static_cast<double>(files.size());
    state.counters["peak_extra"] =
        benchmark::Counter(worstPeak, benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
}

} // namespace

void RegisterLoadBenchmarks(const std::string& corpus)
{
    benchmark::RegisterBenchmark(kWorstHostileLoad, WorstHostileLoad, corpus)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(kRepetitions)
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
