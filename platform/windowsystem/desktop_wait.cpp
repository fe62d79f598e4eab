// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "event_wait.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdlib>

// A desktop's wait: an event loop nested inside the handler that waits.
namespace platform::windowsystem {

void processEvents(QEventLoop::ProcessEventsFlags flags)
{
    QCoreApplication::processEvents(flags);
}

bool EventWait::run(QEventLoop::ProcessEventsFlags flags, std::optional<Deadline> deadline)
{
    using namespace std::chrono;
    m_quit = false;
    // A timer may fire a little early; then the rest is waited for again.
    do {
        QEventLoop loop;
        if (deadline) {
            const auto left = *deadline - steady_clock::now();
            if (left <= 0ns)
                break;
            QTimer::singleShot(ceil<milliseconds>(left), Qt::PreciseTimer, &loop, &QEventLoop::quit);
        }
        m_loop = &loop;
        // -1: the application is quitting and no loop runs any more.
        const bool quitting = loop.exec(flags) == -1;
        m_loop = nullptr;
        if (quitting)
            return false;
    } while (deadline && !m_quit);
    return true;
}

void endProcess(int status)
{
    std::_Exit(status);
}

void EventWait::quit()
{
    m_quit = true;
    if (m_loop)
        m_loop->quit();
}

} // namespace platform::windowsystem
