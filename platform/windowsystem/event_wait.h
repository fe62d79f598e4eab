// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QEventLoop>
#include <QObject>

#include <chrono>
#include <optional>

// How a loop that runs inside an event handler hands the thread back to the window system. A
// desktop nests an event loop; a browser page can only suspend the program and resume it later,
// and hands it input while it is suspended (browser_wait.cpp).
namespace platform::windowsystem {

// Runs the handlers of pending events, as the flags allow, inside the call. In a browser the
// page also gets its turn where it has waited for one for a frame, so that it shows what is drawn.
void processEvents(QEventLoop::ProcessEventsFlags flags);

// Ends the program at once with the status: nothing after the call runs.
[[noreturn]] void endProcess(int status);

// Handles events as they arrive, as the flags allow, until quit() or the deadline.
class EventWait : public QObject {
public:
    using Deadline = std::chrono::steady_clock::time_point;

    // False when the application quits meanwhile.
    bool run(QEventLoop::ProcessEventsFlags flags, std::optional<Deadline> deadline = std::nullopt);
    void quit();

private:
    bool m_quit = false;
    // The nested loop that runs the wait; a page has none.
    [[maybe_unused]] QEventLoop* m_loop = nullptr;
};

} // namespace platform::windowsystem
