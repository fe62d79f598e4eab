// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "numbers.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {
namespace {

QString formatted(double value, int significantDigits)
{
    if (value == 0 || !std::isfinite(value))
        return value == 0 ? QStringLiteral("0") : QString::number(value);
    QString text = QString::number(value, 'g', significantDigits).toUpper();
    const QString separator = QLocale().decimalPoint();
    if (separator != QLatin1String("."))
        text.replace(QLatin1Char('.'), separator);
    return text;
}

} // namespace

QColor rgb(int r, int g, int b)
{
    return QColor(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
}

QColor windowBackgroundColour()
{
    return rgb(255, 255, 255);
}

QColor windowTextColour()
{
    return rgb(0, 0, 0);
}

QColor buttonTextColour()
{
    return rgb(0, 0, 0);
}

std::int16_t toInteger(double value)
{
    // Out of range is an overflow, which ends nothing here: it saturates.
    if (std::isnan(value))
        return 0;
    const double limited = std::clamp(value, double(std::numeric_limits<std::int16_t>::min()),
                                      double(std::numeric_limits<std::int16_t>::max()));
    return static_cast<std::int16_t>(std::nearbyint(limited));
}

double intFloor(double value)
{
    return std::floor(value);
}

QString numberText(double value)
{
    return formatted(value, 15);
}

QString numberText(float value)
{
    return formatted(static_cast<double>(value), 7);
}

QString numberText(int value)
{
    return QString::number(value);
}

} // namespace platform
