// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <platform/widgets/numbers.h>

#include <QColor>

namespace orvane::colours {

// Kept as a table, one colour a line.
// clang-format off
// The menu window and its descriptions.
inline QColor menuYellow() { return platform::rgb(255, 255, 128); }
// The superposition window with the labels and value boxes of its left column.
inline QColor windowGrey() { return platform::rgb(224, 224, 224); }

// Wave 1, wave 2 and their sum, in the marker columns and on the phasor panel alike; red also
// draws the lines to the sources, the resultant and the amplitude scan of the Huygens window.
inline QColor green() { return platform::rgb(0, 200, 0); }
inline QColor blue() { return platform::rgb(0, 0, 255); }
inline QColor red() { return platform::rgb(255, 0, 0); }
// The columns of the running waves and the panel's axes.
inline QColor grey() { return platform::rgb(128, 128, 128); }
// The wave surface's background: drawing in it erases, and cuts the halted waves into their bands.
inline QColor white() { return platform::rgb(255, 255, 255); }
// The circle a single phasor's tip runs on.
inline QColor olive() { return platform::rgb(128, 128, 18); }
// The circle of the resultant's length.
inline QColor lightGrey() { return platform::rgb(160, 160, 160); }
// The selected point's phasors while halted, lighter than the animation's.
inline QColor lightGreen() { return platform::rgb(128, 255, 0); }
inline QColor lightBlue() { return platform::rgb(0, 200, 255); }
// clang-format on

} // namespace orvane::colours
