// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "events.h"

#include "benchmark_probe.h"

#include "frame_boundary.h"
#include "nesting.h"
#include "platform/drawing/refresh.h"
#include "platform/windowsystem/event_wait.h"
#include "platform/windowsystem/windowsystem.h"

#include <QEventLoop>

#include <cstdio>
#include <utility>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace platform {
namespace {

bool pacingEnabled = true;

std::function<void()>& tickObserver()
{
    static std::function<void()> observer;
    return observer;
}

std::function<void()>& endHandler()
{
    static std::function<void()> handler;
    return handler;
}

// Input waits in the queue while an InputHold is active.
QEventLoop::ProcessEventsFlags yieldFlags()
{
    return InputHold::holding() ? QEventLoop::ExcludeUserInputEvents : QEventLoop::AllEvents;
}

} // namespace

void doEvents()
{
    const YieldScope yielding;
    windowsystem::processEvents(yieldFlags());
}

Pacer::Pacer(std::chrono::nanoseconds period) : m_period(period) {}

void Pacer::setEnabled(bool enabled)
{
    pacingEnabled = enabled;
}

bool Pacer::enabled()
{
    return pacingEnabled;
}

void setTickObserver(std::function<void()> observer)
{
    tickObserver() = std::move(observer);
}

void Pacer::yield()
{
    if (tickObserver())
        tickObserver()();
    if (!pacingEnabled) {
        doEvents();
        FrameBoundary::instance().reached();
        return;
    }
    using namespace std::chrono;
    const auto now = steady_clock::now();
    if (m_next == steady_clock::time_point{})
        m_next = now;
    m_next += m_period;
    if (m_next <= now) {
        // Late: wait for the clock's next tick rather than hurrying through the missed ones.
        const auto missed = (now - m_next) / m_period + 1;
        m_next += missed * m_period;
    }
    // The window system's wait costs no CPU while events still run at once.
    {
        const YieldScope yielding;
        windowsystem::EventWait().run(yieldFlags(), m_next);
    }
    FrameBoundary::instance().reached();
}

void frameYield()
{
    // One clock for the whole program, so nested animations keep the same pace.
    static Pacer frameClock(std::chrono::nanoseconds(1'000'000'000 / 60));
    // The frame stands complete now: it goes to the screen before the wait, not after it.
    // Unpaced (tests, benchmarks of the drawing alone) the refresh clock alone paints.
    if (Pacer::enabled())
        flushDrawing();
    frameClock.yield();
}

void flushDrawing()
{
    RefreshClock::instance().flush();
}

void end()
{
    // A handler run while the clipboard is handed over may end the program again: it ends now.
    static bool ending = false;
    if (std::exchange(ending, true))
        windowsystem::endProcess(0);
    if (endHandler())
        endHandler()();
    windowsystem::keepClipboardAfterExit();
    std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
    // _Exit skips the leak check that a normal exit runs; a checked build runs it here. The
    // windows are still alive on the stack, so only memory that nothing refers to is reported.
    __lsan_do_leak_check();
#endif
    windowsystem::endProcess(0);
}

void setEndHandler(std::function<void()> handler)
{
    endHandler() = std::move(handler);
}

} // namespace platform
