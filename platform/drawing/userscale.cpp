// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "userscale.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace platform {
namespace {

constexpr double twipsPerInch = 1440.0;

} // namespace

double twipsPerPixel()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return twipsPerInch / (dpi > 0 ? dpi : 96.0);
}

int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / twipsPerPixel()));
}

double pixelsToTwips(double pixels)
{
    return pixels * twipsPerPixel();
}

} // namespace platform
