// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

// Measures the program against floors that do the same kind of work, and prints one line for each
// target, ok or MISSED (see bench/README.md). tessk-bench [REGEX] runs only the benchmarks whose
// name the regular expression finds: SumText, board-driver, Click, Reset, StartUp, Load.

#include "form1.h"
#include "picturefile.h"
#include "squarebutton.h"
#include "weightedsum.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QTemporaryDir>

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <regex>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kPairs = 301;        // of the samples taken in this process, each a few milliseconds
constexpr int kProcessPairs = 101; // of the start-ups, each one start
constexpr int kDriverPairs = 15;   // of the driver's runs, each a fraction of a second
constexpr board::Index kClickedSquare(0);

// Work whose result nothing reads is counted here, so that the compiler cannot drop it.
volatile std::size_t sink = 0;

double Median(std::vector<double> values)
{
    const auto middle = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

// This process's processor time: other work on the machine changes it far less than the clock.
double ProcessorSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The processor seconds per run of `once`, done `runs` times. The event loop runs first, so that
// the window's work leaves its repaint to it, as a click does, and no sample counts the one before's.
template <typename Once>
double PerRun(int runs, Once&& once)
{
    QCoreApplication::processEvents();
    const double start = ProcessorSeconds();
    for (int run = 0; run < runs; ++run)
        once();
    return (ProcessorSeconds() - start) / runs;
}

struct Paired {
    double ratio; // the median of the pairs' ratios
    double work;  // the median sample of each side
    double floor;
};

// The host this machine is a guest of slows everything it runs, by half or more, for spells of
// seconds: a sample of the work and one of its floor taken back to back fall into the same spell,
// so the median of their ratios holds where two medians taken apart would not. The floor's sample
// comes first in every other pair.
Paired Pairs(int pairs, const std::function<double()>& work, const std::function<double()>& floor)
{
    std::vector<double> works, floors, ratios;
    for (int pair = 0; pair < pairs; ++pair) {
        double workSample = 0;
        double floorSample = 0;
        if (pair % 2 == 0) {
            workSample = work();
            floorSample = floor();
        } else {
            floorSample = floor();
            workSample = work();
        }
        works.push_back(workSample);
        floors.push_back(floorSample);
        ratios.push_back(workSample / floorSample);
    }
    return { Median(ratios), Median(works), Median(floors) };
}

void Report(const char* what, const Paired& paired, double target, double scale, const char* unit)
{
    std::printf("%s = %.2f (%.4g against %.4g %s; target <= %g) %s\n", what, paired.ratio, paired.work * scale,
                paired.floor * scale, unit, target, paired.ratio <= target ? "ok" : "MISSED");
}

// What xcb hands over to be freed with free().
struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename Reply>
using Owned = std::unique_ptr<Reply, FreeDeleter>;

// Starts the program in the folder, its standard output and error going to /dev/null and its
// standard input read from the descriptor `input` unless that is negative.
pid_t Spawn(const std::string& program, const std::string& folder, int input = -1)
{
    posix_spawn_file_actions_t actions{};
    posix_spawn_file_actions_init(&actions);
    if (input >= 0)
        posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    std::string name = program;
    std::array<char*, 2> argv{ name.data(), nullptr };
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, name.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed != 0)
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(failed));
    return pid;
}

// SumText of a board with a piece on every square, against the least any text of its sum costs:
// the board added up and its 15 significant digits from snprintf's "%.14e" (the same kind of work
// as SumText's rounding, which snprintf does too) in a string.
void SumTextBench()
{
    constexpr int kSumTexts = 20'000;
    board::Board full;
    for (const board::Index index : board::kAllSquares)
        full.StoreCode(index, static_cast<board::PieceCode>(index.Value() % 4 + 1));
    const Paired sumText = Pairs(
        kPairs, [&full] { return PerRun(kSumTexts, [&full] { sink = sink + board::SumText(full).size(); }); },
        [&full] {
            return PerRun(kSumTexts, [&full] {
                std::array<char, 40> digits{};
                const int length = std::snprintf(digits.data(), digits.size(), "%.14e", board::WeightedSum(full));
                sink = sink + std::string(digits.data(), static_cast<std::size_t>(length)).size();
            });
        });
    Report("SumText of a full board / floor", sumText, 1.7, 1e9, "ns");
}

// A script of clicks on squares in a scrambled order, a "sum" every 16th line and a "reset" every
// 1000th, in a file of memory.
constexpr int kDriverCommands = 2'000'000;
int WriteDriverScript()
{
    std::string script;
    std::uint32_t scramble = 1;
    for (int line = 1; line <= kDriverCommands; ++line) {
        scramble = scramble * 1'664'525 + 1'013'904'223;
        if (line % 1000 == 0)
            script += "reset\n";
        else if (line % 16 == 0)
            script += "sum\n";
        else
            script += "click " + std::to_string(scramble >> 26) + '\n';
    }
    const int file = memfd_create("board-driver-script", MFD_CLOEXEC);
    if (file < 0 || write(file, script.data(), script.size()) != static_cast<ssize_t>(script.size()))
        throw std::runtime_error("cannot write the driver's script into memory");
    return file;
}

// A whole run of the program over the script: the processor time it used, user and system.
double DriverRun(const std::string& program, int script)
{
    lseek(script, 0, SEEK_SET);
    const pid_t pid = Spawn(program, ".", script);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " failed on the script");
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// The script's file, closed however the benchmark ends.
struct DriverScript {
    DriverScript() = default;
    DriverScript(const DriverScript&) = delete;
    DriverScript& operator=(const DriverScript&) = delete;
    ~DriverScript() { close(file); }
    const int file = WriteDriverScript();
};

// board-driver against driver-floor, which reads and answers the same lines without a board.
void DriverBench()
{
    const DriverScript script;
    const Paired driver = Pairs(
        kDriverPairs, [&script] { return DriverRun(BOARD_DRIVER_PATH, script.file); },
        [&script] { return DriverRun(DRIVER_FLOOR_PATH, script.file); });
    Report("board-driver / floor", driver, 10, 1e3, "ms");
}

QString NameOf(std::string_view file)
{
    return QString::fromLatin1(file.data(), static_cast<qsizetype>(file.size()));
}

// The window's handlers would open a message box for a picture they cannot load.
void RequirePictures()
{
    for (const board::Shade shade : { board::Shade::Light, board::Shade::Dark })
        for (int code = 0; code < board::kPieceCodeCount; ++code)
            if (auto loaded = window::LoadPicture(board::PictureName(shade, static_cast<board::PieceCode>(code)));
                const auto* failure = std::get_if<window::PictureLoadError>(&loaded))
                throw std::runtime_error(failure->Message().toStdString());
}

// The least any program must do to show a picture file on a button: read the file, decode it (the
// format found from the content, as the program does), make a pixmap and give it to the button. No
// checks and no cache (QPixmap's own loading would keep it in QPixmapCache).
void ShowWithQtAlone(const QString& file, window::SquareButton& square)
{
    QFile picture(file);
    const QImage image = picture.open(QIODevice::ReadOnly) ? QImage::fromData(picture.readAll()) : QImage();
    if (image.isNull())
        throw std::runtime_error("Qt alone cannot read " + file.toStdString());
    square.SetPicture(QPixmap::fromImage(image));
}

// The sum in Text1, as the least a line edit needs to show it.
void ShowText(QLineEdit& text1, const QString& sum)
{
    text1.setText(sum);
    text1.setCursorPosition(0);
}

// Clicks on square 0, which cycles through its five pictures, against Qt alone showing the same
// files in the same order and the same sums.
void ClickBench(window::Form1& form)
{
    constexpr int kClicks = 80;
    RequirePictures();
    std::array<std::pair<QString, QString>, board::kPieceCodeCount> cycle; // the file and the sum
    board::Board board;
    for (auto& [file, sum] : cycle) {
        const board::ClickPlan plan = board.PlanClick(kClickedSquare);
        board.StoreCode(kClickedSquare, plan.next);
        file = NameOf(plan.picture);
        sum = QString::fromStdString(board::SumText(board));
    }
    std::size_t next = 0;
    const Paired click = Pairs(
        kPairs, [&form] { return PerRun(kClicks, [&form] { form.C_Click(kClickedSquare); }); },
        [&] {
            return PerRun(kClicks, [&] {
                ShowWithQtAlone(cycle[next].first, *form.C(kClickedSquare));
                ShowText(*form.Text1(), cycle[next].second);
                next = (next + 1) % cycle.size();
            });
        });
    Report("click / floor", click, 1.1, 1e6, "us");
}

// "reset" against Qt alone showing the 64 squares' reset pictures and the empty board's sum.
void ResetBench(window::Form1& form)
{
    constexpr int kResets = 2;
    RequirePictures();
    const QString emptySum = QString::fromStdString(board::SumText(board::Board()));
    const Paired reset = Pairs(
        kPairs, [&form] { return PerRun(kResets, [&form] { form.Command2_Click(); }); },
        [&] {
            return PerRun(kResets, [&] {
                for (const board::Index index : board::kAllSquares)
                    ShowWithQtAlone(NameOf(board::Board::ResetSquare(index)), *form.C(index));
                ShowText(*form.Text1(), emptySum);
            });
        });
    Report("reset / 64 floors", reset, 1.1, 1e3, "ms");
}

// The program's peak resident memory from /proc. (Its rusage would not do: a child started by
// posix_spawn shares this process's memory until it execs, and the kernel counts that in.)
long PeakKiB(pid_t program)
{
    std::ifstream status("/proc/" + std::to_string(program) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:"))
            return std::strtol(line.c_str() + std::strlen("VmHWM:"), nullptr, 10);
    return 0;
}

void End(pid_t program)
{
    kill(program, SIGKILL);
    waitpid(program, nullptr, 0);
}

struct StartUp {
    double seconds; // from just before the program was started to its first whole frame
    long peakKiB;   // the most memory it held resident by then
};

// Starts programs on the X server of DISPLAY and sees when their window's first frame is drawn
// whole: the DAMAGE extension reports every rectangle a client draws as it reaches the server, so
// the program runs unchanged and nothing is polled.
class FirstFrameWatch {
public:
    FirstFrameWatch() : connection_(xcb_connect(nullptr, nullptr), &xcb_disconnect)
    {
        xcb_connection_t* x = connection_.get();
        if (xcb_connection_has_error(x) != 0)
            throw std::runtime_error(std::string("cannot connect to the X server of DISPLAY=") +
                                     (std::getenv("DISPLAY") != nullptr ? std::getenv("DISPLAY") : ""));
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
        if (damage == nullptr || damage->present == 0)
            throw std::runtime_error("the X server has no DAMAGE extension");
        damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        // The extension takes requests only once the client has said which version it speaks.
        const Owned<xcb_damage_query_version_reply_t> version(xcb_damage_query_version_reply(
            x, xcb_damage_query_version(x, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION), nullptr));
        if (!version)
            throw std::runtime_error("the X server's DAMAGE extension does not answer");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
        // Drawing into any window damages the root window's area, reported rectangle by rectangle;
        // the root's children are reported as they are mapped.
        xcb_damage_create(x, xcb_generate_id(x), root_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
        const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(x, root_, XCB_CW_EVENT_MASK, &events);
    }

    // Starts the program in the folder and ends it at the first whole frame of the first window
    // it maps.
    StartUp Run(const std::string& program, const std::string& folder)
    {
        using Clock = std::chrono::steady_clock;
        xcb_connection_t* x = connection_.get();
        // A round trip: every event of the program before is then in hand, and dropped.
        std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
        while (const Owned<xcb_generic_event_t> event{ xcb_poll_for_event(x) }) {
        }

        const Clock::time_point start = Clock::now();
        const pid_t pid = Spawn(program, folder);
        std::optional<QRect> window; // the first window mapped, where it lies on the screen
        QRegion drawn;               // what has been drawn into it since
        pollfd connection{ xcb_get_file_descriptor(x), POLLIN, 0 };
        while (true) {
            while (const Owned<xcb_generic_event_t> event{ xcb_poll_for_event(x) }) {
                const int type = event->response_type & ~0x80;
                if (type == XCB_MAP_NOTIFY && !window) {
                    const auto* mapped = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
                    const Owned<xcb_get_geometry_reply_t> place(
                        xcb_get_geometry_reply(x, xcb_get_geometry(x, mapped->window), nullptr));
                    if (mapped->override_redirect == 0 && place)
                        window = QRect(place->x, place->y, place->width, place->height);
                } else if (type == damageEvent_ && window) {
                    const auto* damage = reinterpret_cast<const xcb_damage_notify_event_t*>(event.get());
                    drawn += QRect(damage->area.x, damage->area.y, damage->area.width, damage->area.height) & *window;
                    if (QRegion(*window).subtracted(drawn).isEmpty()) {
                        const StartUp startUp{ std::chrono::duration<double>(Clock::now() - start).count(),
                                               PeakKiB(pid) };
                        End(pid);
                        return startUp;
                    }
                }
            }
            if (waitpid(pid, nullptr, WNOHANG) == pid)
                throw std::runtime_error(program + " ended before its window's first frame");
            if (xcb_connection_has_error(x) != 0 || Clock::now() - start > std::chrono::seconds(20)) {
                End(pid);
                throw std::runtime_error(program + " showed no whole window within 20 s");
            }
            poll(&connection, 1, 100);
        }
    }

private:
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection_;
    xcb_window_t root_ = 0;
    int damageEvent_ = 0;
};

// The program started as a whole process, to its first frame, against bare-window: Qt alone showing
// a window of Form1's size with the "reset" button, the least that draws any text.
void StartUpBench()
{
    FirstFrameWatch watch;
    std::vector<double> peaks, floorPeaks;
    const auto starts = [&watch](const char* program, std::vector<double>& peaksKiB) {
        return [&watch, program, &peaksKiB] {
            const StartUp startUp = watch.Run(program, PICTURES_DIR);
            peaksKiB.push_back(static_cast<double>(startUp.peakKiB));
            return startUp.seconds;
        };
    };
    Report("start-up / bare window reset",
           Pairs(kProcessPairs, starts(TESSK_RESEARCH_PATH, peaks), starts(BARE_WINDOW_PATH, floorPeaks)), 1.25, 1e3,
           "ms");
    const double peak = Median(peaks) / 1024;
    const double floorPeak = Median(floorPeaks) / 1024;
    std::printf("peak memory - bare window reset's = %+.2f MiB (%.1f against %.1f MiB; target <= +2 MiB) %s\n",
                peak - floorPeak, peak, floorPeak, peak - floorPeak <= 2 ? "ok" : "MISSED");
}

// Every file of the loader's fuzzing corpus, the hostile ones among them, loaded under a picture's
// name as a click would: the slowest file's median processor time. It guards the bounded loading.
void LoadBench()
{
    constexpr int kLoads = 15;
    const QDir corpus(QStringLiteral(LOADER_CORPUS));
    QStringList files = corpus.entryList(QDir::Files);
    files.removeIf([](const QString& file) { return file.endsWith(QStringLiteral(".license")); });
    QTemporaryDir scratch;
    if (files.isEmpty() || !scratch.isValid())
        throw std::runtime_error("no corpus in " LOADER_CORPUS ", or no temporary folder");
    const QString picture = scratch.filePath(QStringLiteral("vilo.bmp"));
    double worst = 0;
    QString worstFile;
    for (const QString& file : files) {
        QFile::remove(picture);
        const QString pictures = QDir::currentPath();
        if (!QFile::copy(corpus.filePath(file), picture) || !QDir::setCurrent(scratch.path()))
            throw std::runtime_error("cannot copy " + file.toStdString() + " into " + scratch.path().toStdString() +
                                     " and load it there");
        std::vector<double> loads(kLoads);
        for (double& load : loads)
            load = PerRun(1, [] { sink = sink + window::LoadPicture("vilo.bmp").index(); });
        QDir::setCurrent(pictures);
        if (const double median = Median(loads); median > worst) {
            worst = median;
            worstFile = file;
        }
    }
    std::printf("worst hostile load = %.1f ms (%s, of %lld files; target <= 50 ms) %s\n", worst * 1e3,
                qPrintable(worstFile), static_cast<long long>(files.size()), worst <= 0.05 ? "ok" : "MISSED");
}

} // namespace

int main(int argc, char* argv[])
{
    // This process measures the window's handlers offscreen; the programs it starts show theirs on
    // the X server of DISPLAY.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    qputenv("QT_QPA_PLATFORM", "xcb");
    // The hostile files make Qt's decoders complain at every load.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio=false"));
    if (!QDir::setCurrent(QStringLiteral(PICTURES_DIR))) {
        std::fprintf(stderr, "tessk-bench: no pictures folder at %s\n", PICTURES_DIR);
        return 1;
    }
    std::regex chosen;
    try {
        chosen = std::regex(argc > 1 ? argv[1] : "");
    } catch (const std::regex_error& error) {
        std::fprintf(stderr, "tessk-bench: %s is no regular expression: %s\n", argv[1], error.what());
        return 2;
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0); // each line as soon as its benchmark is done
    std::array<double, 3> load{};
    if (getloadavg(load.data(), 3) == 3)
        std::printf("load average %.2f %.2f %.2f\n", load[0], load[1], load[2]);

    window::Form1 form;
    form.show();
    const std::vector<std::pair<std::string, std::function<void()>>> benchmarks{
        { "SumText", SumTextBench },
        { "board-driver", DriverBench },
        { "Click", [&form] { ClickBench(form); } },
        { "Reset", [&form] { ResetBench(form); } },
        { "StartUp", StartUpBench },
        { "Load", LoadBench },
    };
    bool complete = true;
    for (const auto& [name, run] : benchmarks) {
        try {
            if (std::regex_search(name, chosen))
                run();
        } catch (const std::exception& error) {
            std::printf("%s could not run: %s\n", name.c_str(), error.what());
            complete = false;
        }
    }
    return complete ? 0 : 1;
}
