// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <platform/widgets/numbers.h>

#include <QColor>

namespace kestrup::colours {

// Kept as a table, one colour a line.
// clang-format off
// Frames, check boxes and the parameter labels with their value boxes.
inline QColor panelGrey() { return platform::rgb(192, 192, 192); }

// The background of the rows and the chain box: each element is erased by drawing it again in it.
inline QColor white() { return platform::rgb(255, 255, 255); }
// Wave 1, wave 2 and their sum, in the rows and the chain box alike.
inline QColor blue() { return platform::rgb(0, 0, 255); }
inline QColor green() { return platform::rgb(0, 200, 0); }
inline QColor red() { return platform::rgb(255, 0, 0); }
// No colour of its own: the surface's ForeColor draws it.
inline QColor foreColour() { return QColor(); }
// clang-format on

} // namespace kestrup::colours
