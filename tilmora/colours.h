// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <platform/widgets/numbers.h>

#include <QColor>

namespace tilmora::colours {

// Kept as a table, one colour a line.
// clang-format off
// The window and its pictures are black, its labels and captions white.
inline QColor black() { return platform::rgb(0, 0, 0); }
inline QColor white() { return platform::rgb(255, 255, 255); }
// The path difference's value box, grey on the black window.
inline QColor valueBox() { return platform::rgb(192, 192, 192); }
// The swatches' captions until the sum's brightness first picks black or white for its own.
inline QColor waveSwatchCaption() { return platform::rgb(224, 224, 224); }
inline QColor sumSwatchCaption() { return platform::rgb(64, 64, 64); }

// The rows of the bars and the phasors of each wave share one colour, whatever the wavelength.
inline QColor wave1() { return platform::rgb(128, 255, 0); }
inline QColor wave2() { return platform::rgb(0, 200, 255); }
inline QColor sum() { return platform::rgb(255, 128, 0); }

inline QColor referenceCircle() { return platform::rgb(128, 128, 18); }
inline QColor resultantCircle() { return platform::rgb(160, 160, 160); }
inline QColor axis() { return platform::rgb(128, 128, 128); }
inline QColor marker() { return platform::rgb(255, 255, 255); }

// The indicator lights beside the buttons.
inline QColor on() { return platform::rgb(0, 255, 0); }
inline QColor off() { return platform::rgb(255, 0, 0); }
// clang-format on

} // namespace tilmora::colours
