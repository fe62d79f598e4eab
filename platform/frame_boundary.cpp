// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "frame_boundary.h"

#include "nesting.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <chrono>
#include <utility>

namespace platform {
namespace {

// Longer than a frame of the 60 Hz clock and a sample of a scan, short enough to feel at once.
constexpr std::chrono::milliseconds noFrameBound{50};

} // namespace

FrameBoundary& FrameBoundary::instance()
{
    // Owned by the application object, as the event loop it waits in.
    static FrameBoundary* boundary = new FrameBoundary;
    return *boundary;
}

FrameBoundary::FrameBoundary() : QObject(QCoreApplication::instance()) {}

void FrameBoundary::setPaused(bool paused)
{
    if (paused == m_paused)
        return;
    m_paused = paused;
    m_steps = 0;
    emit pausedChanged(paused);
    if (!paused)
        emit released();
}

void FrameBoundary::step()
{
    if (!m_paused)
        return;
    ++m_steps;
    emit released();
}

void FrameBoundary::whenComplete(std::function<void()> action)
{
    if (m_holding) {
        action();
        return;
    }
    m_waiting.push_back(std::move(action));
    if (m_waiting.size() == 1)
        QTimer::singleShot(noFrameBound, this, &FrameBoundary::runWaiting);
}

void FrameBoundary::runWaiting()
{
    // Taken first: an action may ask for another picture.
    for (const auto& action : std::exchange(m_waiting, {}))
        action();
}

void FrameBoundary::reached()
{
    runWaiting();
    // A loop that holds input back cannot hear the key that would end the pause: it runs on.
    if (InputHold::holding())
        return;
    while (m_paused && m_steps == 0) {
        QEventLoop loop;
        connect(this, &FrameBoundary::released, &loop, &QEventLoop::quit);
        const bool outerHolding = std::exchange(m_holding, true);
        loop.exec();
        m_holding = outerHolding;
    }
    if (m_steps > 0)
        --m_steps;
}

} // namespace platform
