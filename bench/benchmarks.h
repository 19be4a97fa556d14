// SPDX-FileCopyrightText: 2026 tessk-research developers
// SPDX-License-Identifier: MIT

#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

namespace window {
class Form1;
}

namespace bench {

class FirstFrameWatch;

// Every benchmark runs this many times, interleaved with all the others in a
// random order, so that a slow spell of the machine touches each of them alike;
// the table shows the median of the runs.
inline constexpr int kRepetitions = 15;
// Whole processes vary more from one start to the next: more runs of those, one start each.
inline constexpr int kStartUpRepetitions = 101;
// Instructions counted by callgrind hardly vary, and each start under it takes seconds.
inline constexpr int kInstructionRepetitions = 3;

// The names the targets are worked out from.
inline constexpr const char* kSumTextEmpty = "SumText/empty";
inline constexpr const char* kSumTextMixed = "SumText/mixed";
inline constexpr const char* kSumTextFull = "SumText/full";
inline constexpr const char* kDriver = "board-driver/commands";
inline constexpr const char* kClick = "Click/C_Click";
inline constexpr const char* kReset = "Reset/Command2_Click";
inline constexpr const char* kStartUp = "StartUp/tessk-research";
inline constexpr const char* kStartUpFloor = "StartUp/bare-window";
inline constexpr const char* kStartUpInstructions = "StartUpInstructions/tessk-research";
inline constexpr const char* kStartUpCaptionedInstructions = "StartUpInstructions/bare-window+caption";
inline constexpr const char* kWorstHostileLoad = "Load/worst-of-hostile-corpus";

// The counter of the start-ups under callgrind: instructions executed to the first frame.
inline constexpr const char* kInstructions = "instructions";
inline constexpr const char* kValgrind = "/usr/bin/valgrind";

struct Programs {
    std::string boardDriver;
    std::string driverFloor; // the same lines read and answered without the board
    std::string tesskResearch;
    std::string bareWindow;
    std::string pictures; // the folder the program reads its pictures from
};

// A field of /proc/PID/status in KiB ("VmHWM:", the peak resident memory; "VmRSS:", what is
// resident now); 0 if unknown.
long StatusKiB(pid_t process, std::string_view field);

void RegisterBoardBenchmarks(const Programs& programs);
// The form must be shown, on the offscreen platform, with the pictures folder as the current directory.
void RegisterWindowBenchmarks(window::Form1& form);
void RegisterStartUpBenchmarks(const Programs& programs, FirstFrameWatch& watch);
// corpus: the folder of the loader's fuzzing seeds.
void RegisterLoadBenchmarks(const std::string& corpus);

} // namespace bench
