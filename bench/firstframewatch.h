// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>
#include <QRegion>

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

struct xcb_connection_t;

namespace bench {

// A program's start as seen from outside it.
struct StartUp {
    // From just before the program was started to the moment the X server
    // holds every pixel of its window's first frame.
    std::chrono::nanoseconds toFirstFrame;
    // The most memory the program held resident up to then.
    long peakResidentKiB;
};

// Starts programs on a private X server (Xvfb) and sees when the first frame of
// their window is complete. The whole screen is watched with the DAMAGE
// extension, which reports every rectangle a client draws as it lands, so the
// program under test runs unchanged and is never polled.
class FirstFrameWatch {
public:
    FirstFrameWatch();
    ~FirstFrameWatch();
    FirstFrameWatch(const FirstFrameWatch&) = delete;
    FirstFrameWatch& operator=(const FirstFrameWatch&) = delete;

    // Why the watch cannot run, or why the last program could not be watched.
    [[nodiscard]] const std::string& Error() const { return error_; }

    // Starts the command in the folder, waits until the first window it maps has
    // been drawn whole, and stops the program. Nothing, with Error() set, when
    // the program fails or shows no window in time.
    [[nodiscard]] std::optional<StartUp> Run(const std::vector<std::string>& command, const std::string& folder);

private:
    using Clock = std::chrono::steady_clock;

    void startServer();
    void connect();
    void discardPendingEvents();
    // Reads the events that have arrived; true once the watched window is drawn whole.
    bool readEvents();
    void stop(pid_t program, long* peakResidentKiB);

    pid_t server_ = -1;
    std::string display_;
    xcb_connection_t* connection_ = nullptr;
    unsigned root_ = 0;
    int damageEvent_ = 0;
    bool ready_ = false;
    std::string error_;

    // While a program runs: the root's children as created and moved, the window
    // it mapped first, and how much of that window has been drawn since.
    std::map<unsigned, QRect> windows_;
    std::optional<unsigned> shown_;
    QRegion drawn_;
};

} // namespace bench
