// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "nesting.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>

#include <algorithm>

namespace platform {
namespace {

int activeHolds = 0;

} // namespace

LoopNesting::LoopNesting(int limit) : m_limit(limit) {}

LoopNesting::Level::Level(LoopNesting& nesting, AtLimit atLimit)
    : m_nesting(nesting), m_hold(atLimit == AtLimit::HoldInput && nesting.depth() + 1 >= nesting.limit())
{
    ++m_nesting.m_depth;
    m_nesting.m_deepest = std::max(m_nesting.m_deepest, m_nesting.m_depth);
}

LoopNesting::Level::~Level()
{
    --m_nesting.m_depth;
}

InputHold::InputHold(bool active) : m_active(active)
{
    if (m_active)
        ++activeHolds;
}

InputHold::~InputHold()
{
    if (!m_active)
        return;
    // The held input is still queued, but the event loop was told of it while it was held:
    // wake it, so that the next yield delivers it.
    if (--activeHolds == 0) {
        if (QAbstractEventDispatcher* dispatcher = QCoreApplication::eventDispatcher())
            dispatcher->wakeUp();
    }
}

bool InputHold::holding()
{
    return activeHolds > 0;
}

} // namespace platform
