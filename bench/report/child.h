// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <chrono>
#include <string>
#include <vector>

namespace report {

// A program run to its end with its standard output and error read together.
struct Captured {
    std::string output;
    // Empty when the program exited with status 0; otherwise what went wrong.
    std::string failure;
};

Captured runCapturing(const std::string& path, std::chrono::seconds timeout);

// One start of a program that writes a byte to the file descriptor in BENCH_READY_FD when its
// first window is painted, then goes on and exits by itself.
struct Start {
    // From just before the process was spawned to the byte's arrival.
    double readyMs = 0;
    // The process's peak resident memory, in bytes.
    double peakBytes = 0;
    std::string failure;
};

Start timeStart(const std::string& path, std::chrono::seconds timeout);

} // namespace report
