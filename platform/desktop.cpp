// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "desktop.h"

#include "system.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <optional>

namespace platform {
namespace {

std::optional<QMargins>& knownMargins()
{
    static std::optional<QMargins> margins;
    return margins;
}

} // namespace

QMargins frameMargins()
{
    if (!knownMargins())
        knownMargins() = windowsystem::announcedFrameMargins();
    return *knownMargins();
}

void rememberFrameMargins(const QMargins& margins)
{
    knownMargins() = margins;
}

QRect workArea()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1280, 1024);
}

QRect placedInside(QRect outer, const QRect& area, bool mayShrink)
{
    if (mayShrink)
        outer.setSize(outer.size().boundedTo(area.size()));
    outer.moveLeft(std::max(area.left(), std::min(outer.left(), area.right() + 1 - outer.width())));
    outer.moveTop(std::max(area.top(), std::min(outer.top(), area.bottom() + 1 - outer.height())));
    return outer;
}

} // namespace platform
