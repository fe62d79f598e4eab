// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "refresh.h"

#include "surface.h"

#include <QCoreApplication>

#include <chrono>

namespace platform {
namespace {

bool screenWithheld = false;

} // namespace

void setScreenWithheld(bool withheld)
{
    screenWithheld = withheld;
}

RefreshClock& RefreshClock::instance()
{
    // Owned by the application object, so it goes with the event loop it serves.
    static RefreshClock* clock = new RefreshClock;
    return *clock;
}

RefreshClock::RefreshClock() : QObject(QCoreApplication::instance())
{
    using namespace std::chrono_literals;
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(16ms);
    connect(&m_timer, &QTimer::timeout, this, &RefreshClock::flush);
}

void RefreshClock::schedule(Surface* surface)
{
    m_dirty.emplace_back(surface);
    if (!m_timer.isActive())
        m_timer.start();
}

void RefreshClock::flush()
{
    m_timer.stop();
    // Swapped, not moved, so that both vectors keep their capacity from frame to frame.
    m_flushing.swap(m_dirty);
    for (const QPointer<Surface>& surface : m_flushing) {
        if (!surface)
            continue;
        if (screenWithheld)
            surface->canvas().takeDirty();
        else
            surface->refresh();
    }
    m_flushing.clear();
}

} // namespace platform
