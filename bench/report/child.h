// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <chrono>
#include <sys/types.h>
#include <string>
#include <vector>

namespace report {

// A program run to its end with its standard output and error read together.
struct Captured {
    std::string output;
    // Empty when the program exited with status 0; otherwise what went wrong.
    std::string failure;
};

// `environment` holds entries "NAME=value" that replace or join this process's for the child.
Captured runCapturing(const std::string& path, std::chrono::seconds timeout,
                      const std::vector<std::string>& environment = {});

// One start of a program that writes a byte to the file descriptor in BENCH_READY_FD when its
// first window is painted, then goes on and exits by itself.
struct Start {
    // From just before the process was spawned to the byte's arrival.
    double readyMs = 0;
    // The process's peak resident memory, in bytes.
    double peakBytes = 0;
    std::string failure;
};

Start timeStart(const std::string& path, std::chrono::seconds timeout,
                const std::vector<std::string>& environment = {});

// An X server of its own (Xvfb, 1280×1024, 24 bits, 96 dpi, no window manager) for as long as
// this object lives, for the figures a real display adds: its CPU time and Qt's buffers for it.
class DisplayServer {
public:
    DisplayServer();
    ~DisplayServer();
    DisplayServer(const DisplayServer&) = delete;
    DisplayServer& operator=(const DisplayServer&) = delete;

    // Empty when the server runs.
    const std::string& failure() const { return m_failure; }
    // What a child needs to draw through the server and measure it (BENCH_SERVER_PID).
    std::vector<std::string> environment() const;

private:
    pid_t m_pid = -1;
    std::string m_display;
    std::string m_failure;
};

} // namespace report
