// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QMargins>
#include <QRect>

namespace platform {

// The window manager's frame round a top-level window (title bar and borders): as measured on a
// framed window once one has been shown, and before that as the window manager announces it.
// Empty without a window manager.
QMargins frameMargins();
void rememberFrameMargins(const QMargins& margins);

// Where windows may lie: the primary screen less the desktop's panels.
QRect workArea();

// The rectangle moved into the area; cut to the area's size first where it is larger and may
// shrink, otherwise kept at its size with its top-left corner inside.
QRect placedInside(QRect outer, const QRect& area, bool mayShrink);

} // namespace platform
