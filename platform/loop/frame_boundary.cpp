// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "frame_boundary.h"

#include "nesting.h"
#include "platform/windowsystem/event_wait.h"

#include <QCoreApplication>
#include <QTimer>

#include <chrono>
#include <utility>

namespace platform {
namespace {

// Longer than a frame of the 60 Hz clock and a sample of a scan, short enough to feel at once.
constexpr std::chrono::milliseconds noFrameBound{50};

int yieldDepth = 0;

} // namespace

YieldScope::YieldScope()
{
    ++yieldDepth;
}

YieldScope::~YieldScope()
{
    --yieldDepth;
}

int YieldScope::depth()
{
    return yieldDepth;
}

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
    m_stepping = false;
    emit pausedChanged(paused);
    if (!paused)
        emit released();
}

void FrameBoundary::step()
{
    // A stepped loop handles events only inside its own yields, deeper than itself: a press at
    // its depth or above comes after the stepped frame was its last, and the loop has ended.
    if (m_stepping && YieldScope::depth() <= m_steppedLoop)
        m_stepping = false;
    // A press while a stepped frame is still being drawn counts for the same loop; one with no
    // frame held would wait for an animation not yet started.
    if (!m_paused || (m_heldDepth == 0 && !m_stepping))
        return;
    ++m_steps;
    emit released();
}

// Events handled directly at a held frame, or with no yield under way at all, find every
// picture complete; anywhere inside a yield a frame may stand half drawn.
bool FrameBoundary::atCompletePicture() const
{
    return YieldScope::depth() == m_heldDepth;
}

void FrameBoundary::whenComplete(std::function<void()> action)
{
    if (atCompletePicture()) {
        action();
        return;
    }
    m_waiting.push_back(std::move(action));
    if (m_waiting.size() == 1)
        QTimer::singleShot(noFrameBound, this, &FrameBoundary::runWaitingWhenComplete);
}

// For drawing that never reaches a frame boundary (a field drawn at once, a halted redraw): the
// actions wait until it has ended.
void FrameBoundary::runWaitingWhenComplete()
{
    if (m_waiting.empty())
        return;
    if (atCompletePicture())
        runWaiting();
    else
        QTimer::singleShot(noFrameBound, this, &FrameBoundary::runWaitingWhenComplete);
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
    const int loop = YieldScope::depth();
    while (m_paused) {
        if (m_steps > 0 && m_steppedLoop == loop) {
            --m_steps;
            m_stepping = true;
            return;
        }
        // Steps left by a loop that has ended are not this loop's to take.
        m_steps = 0;
        m_stepping = false;
        m_steppedLoop = loop;
        windowsystem::EventWait wait;
        connect(this, &FrameBoundary::released, &wait, &windowsystem::EventWait::quit);
        const YieldScope held;
        const int outerHeld = std::exchange(m_heldDepth, YieldScope::depth());
        const bool quitting = !wait.run(QEventLoop::AllEvents);
        m_heldDepth = outerHeld;
        if (quitting)
            return;
    }
}

} // namespace platform
