// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form3.h"

#include "colours.h"

#include <platform/widgets/layout.h>
#include <platform/widgets/numbers.h>

#include <cmath>

namespace orvane {
namespace {

// Every elementary phasor has this length in panel units: no decay with distance.
constexpr double phasorLength = 80;
// The rows of single phasors stand this far apart, their tails on x = rowTailX.
constexpr int rowSpacing = 100;
constexpr double rowTailX = -500;

} // namespace

void Form3::movePanel(double x, double y)
{
    platform::setLeftInUnits(Picture3, x);
    platform::setTopInUnits(Picture3, y);
}

void Form3::drawLinesToSources(double x, double y)
{
    platform::Canvas& field = canvas();
    field.setDrawWidth(2);
    const std::int16_t last = 2 * halfcount;
    for (idx = 0; idx <= last; ++idx)
        field.line(x, y, 0, sourcey[idx], colours::red());
}

// The exact distance to each source, in the window's units as they stand (x and y units differ),
// gives each phase: one full turn per wavelength.
void Form3::computePhases(double x, double y)
{
    canvas().setDrawWidth(1);
    const std::int16_t last = 2 * halfcount;
    for (idx = 0; idx <= last; ++idx) {
        const double dy = sourcey[idx] - y;
        const double dx = sourcex[idx] - x;
        dist = std::sqrt(dy * dy + dx * dx);
        frac = dist / wavelength - std::floor(dist / wavelength);
        phase[idx] = static_cast<float>(frac * 2 * pi);
    }
}

// The phasors head to tail from the panel's origin, in source order.
void Form3::drawPhasorChain()
{
    platform::Canvas& panel = Picture3->canvas();
    panel.cls();
    panel.setDrawWidth(1);
    panel.pset(0, 0);
    const std::int16_t last = 2 * halfcount;
    for (idx = 0; idx <= last; ++idx) {
        sumx = sumx + phasorLength * std::cos(phase[idx]);
        sumy = static_cast<float>(sumy + phasorLength * std::sin(phase[idx]));
        panel.lineTo(sumx, sumy);
    }
}

// End dots, the red resultant back to the origin, and the sums reset for the next point.
void Form3::closePhasorChain()
{
    platform::Canvas& panel = Picture3->canvas();
    panel.setDrawWidth(5);
    panel.pset(0, 0);
    panel.pset(sumx, sumy);
    panel.setDrawWidth(2);
    panel.lineTo(0, 0, colours::red());
    sumx = 0;
    sumy = 0;
}

// Each source's phasor on a row of its own, row 0 lowest; the panel is not cleared first.
void Form3::drawSinglePhasors()
{
    platform::Canvas& panel = Picture3->canvas();
    const std::int16_t last = 2 * halfcount;
    for (idx = 0; idx <= last; ++idx) {
        panel.setDrawWidth(3);
        panel.pset(rowTailX, rowSpacing * idx - rowSpacing * halfcount);
        panel.setDrawWidth(1);
        panel.lineTo(phasorLength * std::cos(phase[idx]) + rowTailX,
                     rowSpacing * (idx - halfcount) + phasorLength * std::sin(phase[idx]));
    }
}

} // namespace orvane
