// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "desktop.h"

#include "windowsystem.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <map>

namespace platform {
namespace {

const QScreen* orPrimary(const QScreen* screen)
{
    return screen ? screen : QGuiApplication::primaryScreen();
}

// A frame is as wide as the screen's scale makes it: each screen at each scale has its own.
QString frameKey(const QScreen* screen)
{
    return screen ? QStringLiteral("%1@%2").arg(screen->name()).arg(screen->devicePixelRatio()) : QString();
}

std::map<QString, QMargins>& knownMargins()
{
    static std::map<QString, QMargins> margins;
    return margins;
}

} // namespace

QMargins frameMargins(const QScreen* screen)
{
    screen = orPrimary(screen);
    const auto [known, added] = knownMargins().try_emplace(frameKey(screen));
    if (added)
        known->second = windowsystem::announcedFrameMargins(screen);
    return known->second;
}

void rememberFrameMargins(const QMargins& margins, const QScreen* screen)
{
    knownMargins()[frameKey(orPrimary(screen))] = margins;
}

QRect workArea(const QScreen* screen)
{
    screen = orPrimary(screen);
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
