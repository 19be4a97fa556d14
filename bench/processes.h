// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <xcb/xcb.h>

#include <sys/types.h>

#include <memory>
#include <string>

namespace bench {

// Starts the program in the folder, its standard output and error going to /dev/null and its
// standard input read from the descriptor `input` unless that is negative. Throws
// std::runtime_error saying why it could not.
pid_t Spawn(const std::string& program, const std::string& folder, int input = -1);

struct StartUp {
    double seconds; // from just before the program was started to its first whole frame
    long peakKiB;   // the most memory it held resident by then
};

// Starts programs on the X server of DISPLAY and sees when their window's first frame is drawn
// whole: the DAMAGE extension reports every rectangle a client draws as it reaches the server, so
// the program runs unchanged and nothing is polled.
class FirstFrameWatch {
public:
    FirstFrameWatch(); // throws std::runtime_error when there is no such server

    // Starts the program in the folder and ends it at the first whole frame of the first window
    // it maps. Throws std::runtime_error when it ends before or shows no whole window in time.
    StartUp Run(const std::string& program, const std::string& folder);

private:
    std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection_;
    xcb_window_t root_ = 0;
    int damageEvent_ = 0;
};

} // namespace bench
