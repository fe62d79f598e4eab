// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QMargins>
#include <QRect>

class QScreen;

namespace platform {

// The window manager's frame round a top-level window (title bar and borders) on a screen at its
// present scale: as measured on a framed window there once one has been shown, and before that
// as the window manager announces it. Empty without a window manager. No screen: the primary.
QMargins frameMargins(const QScreen* screen = nullptr);
void rememberFrameMargins(const QMargins& margins, const QScreen* screen = nullptr);

// Where windows may lie: the screen (the primary one where none is named) less the desktop's
// panels.
QRect workArea(const QScreen* screen = nullptr);

// The rectangle moved into the area; cut to the area's size first where it is larger and may
// shrink, otherwise kept at its size with its top-left corner inside.
QRect placedInside(QRect outer, const QRect& area, bool mayShrink);

} // namespace platform
