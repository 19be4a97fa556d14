// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#include "processes.h"

#include <QRect>
#include <QRegion>

#include <xcb/damage.h>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <stdexcept>

namespace bench {
namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
// What xcb hands over to be freed with free().
template <typename Reply>
using Owned = std::unique_ptr<Reply, FreeDeleter>;

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

} // namespace

pid_t Spawn(const std::string& program, const std::string& folder, int input)
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

FirstFrameWatch::FirstFrameWatch() : connection_(xcb_connect(nullptr, nullptr), &xcb_disconnect)
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

StartUp FirstFrameWatch::Run(const std::string& program, const std::string& folder)
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
                    const StartUp startUp{ std::chrono::duration<double>(Clock::now() - start).count(), PeakKiB(pid) };
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

} // namespace bench
