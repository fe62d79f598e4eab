// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace storm {

// Fails the process when it has not ended after a bound: a hang is a failure, not a stuck CI job.
// Runs on a thread of its own, so it fires even when the user-interface thread hangs.
class Watchdog {
public:
    // `report` runs on the watchdog's thread before the process ends with status 2; it must only
    // read what is safe to read from another thread.
    Watchdog(std::chrono::seconds bound, std::function<void()> report);
    ~Watchdog();
    Watchdog(const Watchdog&) = delete;
    Watchdog& operator=(const Watchdog&) = delete;

    // From now on the program must reach its end within `bound` (a close must end it at once),
    // else the process fails with `what`.
    void endWithin(std::chrono::milliseconds bound, std::string what);
    // The program reached its end: nothing is timed any more.
    void disarm();

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::chrono::steady_clock::time_point m_deadline;
    std::string m_what;
    bool m_armed = true;
    bool m_stop = false;
    std::thread m_thread;
};

} // namespace storm
