// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "firstframewatch.h"

#include "benchmarks.h"

#include "spawnactions.h"

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string_view>

namespace bench {
namespace {

constexpr int kDisplayFd = 3;
constexpr auto kServerStartLimit = std::chrono::seconds(20);
// A start under callgrind runs some fifty times slower, and slower still on a busy machine.
constexpr auto kFirstFrameLimit = std::chrono::seconds(120);
constexpr int kPollMilliseconds = 100;

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename Event>
using Owned = std::unique_ptr<Event, FreeDeleter>;

std::vector<char*> Pointers(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    pointers.reserve(strings.size() + 1);
    for (std::string& text : strings)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

long Milliseconds(std::chrono::steady_clock::duration duration)
{
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(duration).count());
}

} // namespace

long StatusKiB(pid_t process, std::string_view field)
{
    std::ifstream status(std::string("/proc/") + std::to_string(process) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field))
            return std::strtol(line.c_str() + field.size(), nullptr, 10);
    return 0;
}

FirstFrameWatch::FirstFrameWatch()
{
    startServer();
    if (error_.empty())
        connect();
}

FirstFrameWatch::~FirstFrameWatch()
{
    if (connection_ != nullptr)
        xcb_disconnect(connection_);
    if (server_ > 0) {
        kill(server_, SIGTERM);
        waitpid(server_, nullptr, 0);
    }
}

void FirstFrameWatch::startServer()
{
    std::array<int, 2> pipe{};
    if (pipe2(pipe.data(), O_CLOEXEC) != 0) {
        error_ = std::string("cannot make a pipe: ") + std::strerror(errno);
        return;
    }
    // The server writes its display number to the descriptor it is given, once it is ready.
    SpawnActions actions;
    actions.Copy(pipe[1], kDisplayFd);
    actions.Silence();
    std::vector<std::string> command{ "Xvfb",      "-displayfd", std::to_string(kDisplayFd),
                                      "-screen",   "0",          "1024x768x24",
                                      "-nolisten", "tcp" };
    const std::vector<char*> argv = Pointers(command);
    const int spawned = posix_spawnp(&server_, "Xvfb", actions.Get(), nullptr, argv.data(), environ);
    close(pipe[1]);
    if (spawned != 0) {
        server_ = -1;
        error_ = std::string("cannot start Xvfb: ") + std::strerror(spawned);
        close(pipe[0]);
        return;
    }
    // The whole line: the server stops if it cannot write all of it.
    std::string number;
    pollfd ready{ pipe[0], POLLIN, 0 };
    const Clock::time_point deadline = Clock::now() + kServerStartLimit;
    while (!number.ends_with('\n') && Clock::now() < deadline &&
           poll(&ready, 1, static_cast<int>(Milliseconds(deadline - Clock::now()))) == 1) {
        std::array<char, 16> chunk{};
        const ssize_t got = read(pipe[0], chunk.data(), chunk.size());
        if (got <= 0)
            break;
        number.append(chunk.data(), static_cast<std::size_t>(got));
    }
    close(pipe[0]);
    if (!number.ends_with('\n')) {
        error_ = "Xvfb did not start";
        return;
    }
    number.pop_back();
    display_ = std::string(":") + number;
}

void FirstFrameWatch::connect()
{
    connection_ = xcb_connect(display_.c_str(), nullptr);
    if (xcb_connection_has_error(connection_) != 0) {
        error_ = std::string("cannot connect to Xvfb on ") + display_;
        return;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection_, &xcb_damage_id);
    if (damage == nullptr || damage->present == 0) {
        error_ = "the X server has no DAMAGE extension";
        return;
    }
    damageEvent_ = damage->first_event + XCB_DAMAGE_NOTIFY;
    // The extension takes requests only once the client has said which version it speaks.
    const Owned<xcb_damage_query_version_reply_t> version(xcb_damage_query_version_reply(
        connection_, xcb_damage_query_version(connection_, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    if (!version) {
        error_ = "the X server's DAMAGE extension does not answer";
        return;
    }

    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    // Drawing into any window of the screen damages the root window's area, reported rectangle by rectangle.
    xcb_damage_create(connection_, xcb_generate_id(connection_), root_, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &events);
    discardPendingEvents();
    ready_ = true;
}

void FirstFrameWatch::discardPendingEvents()
{
    // A round trip: every event the server sent before it is then in hand.
    const Owned<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    while (const Owned<xcb_generic_event_t> event{ xcb_poll_for_event(connection_) }) {
    }
}

bool FirstFrameWatch::readEvents()
{
    bool whole = false;
    while (const Owned<xcb_generic_event_t> event{ xcb_poll_for_event(connection_) }) {
        const int type = event->response_type & ~0x80;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<const xcb_create_notify_event_t*>(event.get());
            if (created->parent == root_)
                windows_[created->window] = QRect(created->x, created->y, created->width, created->height);
        } else if (type == XCB_CONFIGURE_NOTIFY) {
            const auto* moved = reinterpret_cast<const xcb_configure_notify_event_t*>(event.get());
            if (moved->event == root_)
                windows_[moved->window] = QRect(moved->x, moved->y, moved->width, moved->height);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto* mapped = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (!shown_ && mapped->event == root_ && mapped->override_redirect == 0 &&
                windows_.contains(mapped->window)) {
                shown_ = mapped->window;
                drawn_ = QRegion();
            }
        } else if (type == damageEvent_ && shown_) {
            const auto* damage = reinterpret_cast<const xcb_damage_notify_event_t*>(event.get());
            const QRect window = windows_[*shown_];
            drawn_ += QRect(damage->area.x, damage->area.y, damage->area.width, damage->area.height) & window;
            whole = whole || QRegion(window).subtracted(drawn_).isEmpty();
        }
    }
    return whole;
}

std::optional<StartUp> FirstFrameWatch::Run(const std::vector<std::string>& command, const std::string& folder)
{
    if (!ready_)
        return std::nullopt;
    error_.clear();
    discardPendingEvents();
    windows_.clear();
    shown_.reset();
    drawn_ = QRegion();

    // The program gets this process's environment on the X server, whatever platform was chosen here.
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string_view text(*entry);
        if (!text.starts_with("DISPLAY=") && !text.starts_with("QT_QPA_PLATFORM="))
            environment.emplace_back(text);
    }
    environment.push_back(std::string("DISPLAY=") + display_);
    environment.emplace_back("QT_QPA_PLATFORM=xcb");
    std::vector<std::string> arguments = command;
    const std::vector<char*> argv = Pointers(arguments);
    const std::vector<char*> envp = Pointers(environment);
    SpawnActions actions;
    actions.ChangeFolder(folder.c_str());
    actions.Silence();

    const Clock::time_point start = Clock::now();
    pid_t program = -1;
    if (const int failed = posix_spawn(&program, argv[0], actions.Get(), nullptr, argv.data(), envp.data())) {
        error_ = std::string("cannot start ") + command[0] + ": " + std::strerror(failed);
        return std::nullopt;
    }
    pollfd x{ xcb_get_file_descriptor(connection_), POLLIN, 0 };
    while (true) {
        if (readEvents()) {
            const Clock::time_point firstFrame = Clock::now();
            StartUp startUp{ std::chrono::duration_cast<std::chrono::nanoseconds>(firstFrame - start), 0 };
            stop(program, &startUp.peakResidentKiB);
            return startUp;
        }
        int status = 0;
        if (waitpid(program, &status, WNOHANG) == program) {
            error_ = command[0] + " ended before its window's first frame";
            return std::nullopt;
        }
        if (xcb_connection_has_error(connection_) != 0 || Clock::now() - start > kFirstFrameLimit) {
            error_ =
                command[0] + " showed no whole window within " + std::to_string(Milliseconds(kFirstFrameLimit)) + " ms";
            stop(program, nullptr);
            return std::nullopt;
        }
        poll(&x, 1, kPollMilliseconds);
    }
}

void FirstFrameWatch::stop(pid_t program, long* peakResidentKiB)
{
    // The high-water mark of the program's own memory. (Its rusage would not do:
    // a child started by posix_spawn shares this process's memory until it
    // execs, and the kernel counts that into the child's maximum.)
    if (peakResidentKiB != nullptr)
        *peakResidentKiB = StatusKiB(program, "VmHWM:");
    // Not SIGKILL: callgrind writes its counts when the program it runs is ended by a signal it can see.
    kill(program, SIGTERM);
    int status = 0;
    while (waitpid(program, &status, 0) < 0 && errno == EINTR) {
    }
}

} // namespace bench
