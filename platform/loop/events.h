// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <chrono>
#include <functional>

namespace platform {

// Runs the handlers of pending events inside the call, on this thread. Handlers may change what
// the calling loop reads next.
void doEvents();

// Paces a loop to a steady clock: yield() handles events until the clock's next tick. Deadline
// based, so it does not drift; a late caller waits for the next tick instead of catching up in
// a burst. Tests switch pacing off, and yield() is then a plain doEvents(). Drawing reaches the
// screen at the refresh clock's pace, however fast the pacer ticks. Every yield ends at the frame
// boundary, where the lesson pause holds.
class Pacer {
public:
    explicit Pacer(std::chrono::nanoseconds period);

    void yield();

    static void setEnabled(bool enabled);
    static bool enabled();

private:
    std::chrono::nanoseconds m_period;
    std::chrono::steady_clock::time_point m_next{};
};

// The one yield of an animation frame at which its picture stands complete: shows what has
// been drawn, then waits for the next tick of the program's 60 Hz frame clock.
void frameYield();

// Hands everything drawn so far to the screen, at once.
void flushDrawing();

// Ends the program at once with status 0: nothing after the call runs, no window stays.
[[noreturn]] void end();
// Runs first when end() is called (tests report with it); it may end the process itself.
void setEndHandler(std::function<void()> handler);

} // namespace platform
