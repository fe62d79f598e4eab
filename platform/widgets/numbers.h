// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QColor>
#include <QString>

#include <cstdint>

namespace platform {

// RGB(r, g, b), each 0 to 255.
QColor rgb(int r, int g, int b);

// System colours of the window scheme the programs were drawn for.
QColor windowBackgroundColour();
QColor windowTextColour();
QColor buttonTextColour();

// To a 16-bit integer: nearest, halves to even.
std::int16_t toInteger(double value);
// Int: rounds down.
double intFloor(double value);

// Number to text: at most 15 significant digits from a double and 7 from a float, no leading
// blank, the locale's decimal separator.
QString numberText(double value);
QString numberText(float value);
QString numberText(int value);

} // namespace platform
