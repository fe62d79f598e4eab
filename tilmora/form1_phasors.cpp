// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// The phasors of the marker column in Picture2 and the marker line that chooses that column.

#include "form1.h"

#include "colours.h"

#include <platform/loop/events.h>
#include <platform/widgets/numbers.h>

#include <cmath>

namespace tilmora {
namespace {

// Picture2's pen widths: phasors and bars stand out against the thin circles and axes.
constexpr int thickPen = 3;
constexpr int thinPen = 1;
// The phasor sum is drawn at this share of full length, so that the chain of two fits.
constexpr double chainScale = 0.6;

} // namespace

// Runs at the top of every frame, also with both displays off: Picture2 is cleared each time.
void form1::phasorStep()
{
    phase1 = phaseAt(selectedPoint + pathDifference);
    phase2 = phaseAt(selectedPoint);
    phasor1X = static_cast<float>(amplitude * std::cos(double(phase1)));
    phasor1Y = static_cast<float>(amplitude * std::sin(double(phase1)));
    phasor2X = static_cast<float>(amplitude * std::cos(double(phase2)));
    phasor2Y = static_cast<float>(amplitude * std::sin(double(phase2)));
    Picture2->canvas().cls();
    if (phasorsOff == 0)
        drawSinglePhasors();
    if (phasorSumOff == 0)
        drawPhasorSum();
}

// Both phasors at full length, their projections onto the axis at x = 130 and their
// elongations as bars beside it, matching the bars of the marker column.
void form1::drawSinglePhasors()
{
    platform::Canvas& c = Picture2->canvas();
    c.line(0, 0, phasor1X, phasor1Y, colours::wave1());
    if (wave2Off == 0)
        c.line(0, 0, phasor2X, phasor2Y, colours::wave2());
    c.setDrawWidth(thinPen);
    c.circle(0, 0, amplitude, colours::referenceCircle());
    c.line(130, 150, 130, -150, colours::axis());
    c.line(phasor1X, phasor1Y, 130, phasor1Y, colours::axis());
    if (wave2Off == 0) {
        const double elongation2 = amplitude * std::sin(double(phase2));
        c.line(amplitude * std::cos(double(phase2)), elongation2, 130, elongation2, colours::axis());
    }
    c.line(0, 0, 130, 0, colours::axis());
    c.setDrawWidth(thickPen);
    c.line(133, 0, 133, amplitude * std::sin(double(phase1)), colours::wave1());
    if (wave2Off == 0)
        c.line(127, 0, 127, amplitude * std::sin(double(phase2)), colours::wave2());
}

// W2's phasor head to tail on W1's, the resultant, and the elongations stacked beside them.
void form1::drawPhasorSum()
{
    platform::Canvas& c = Picture2->canvas();
    Text4->setText(tr("Summenbildung mit Phasenzeigern"));
    c.cls();
    c.setDrawWidth(thickPen);
    tip1X = static_cast<float>(chainScale * phasor1X);
    tip1Y = static_cast<float>(chainScale * phasor1Y);
    tipSumX = static_cast<float>(chainScale * phasor2X + tip1X);
    tipSumY = static_cast<float>(chainScale * phasor2Y + tip1Y);
    c.line(0, 0, tip1X, tip1Y, colours::wave1());
    if (wave2Off == 0) {
        c.line(tip1X, tip1Y, tipSumX, tipSumY, colours::wave2());
        if (sumOff == 0)
            c.line(tipSumX, tipSumY, 0, 0, colours::sum());
        // Shown whenever wave 2 is, also with the sum wave switched off.
        c.line(133, 0, 133, chainScale * amplitude * std::sin(double(phase2)) + tip1Y, colours::sum());
    }
    c.setDrawWidth(thinPen);
    if (wave2Off == 0)
        c.circle(0, 0, std::sqrt(double(tipSumY) * tipSumY + double(tipSumX) * tipSumX), colours::resultantCircle());
    c.line(130, 150, 130, -150, colours::axis());
    c.line(tip1X, tip1Y, 130, tip1Y, colours::axis());
    if (wave2Off == 0)
        c.line(tipSumX, tipSumY, 130, tipSumY, colours::axis());
    c.line(0, 0, 130, 0, colours::axis());
    c.setDrawWidth(thickPen);
    c.line(127, 0, 127, tip1Y, colours::wave1());
    if (wave2Off == 0)
        c.line(130, tip1Y, 130, tipSumY, colours::wave2());
    platform::doEvents();
}

// The line in the foreground colour paints the old marker over, black on black.
void form1::drawMarker(const QColor& colour)
{
    Picture1->canvas().line(markerX, 0, markerX, 1000, colour);
}

void form1::onPicture1MouseDown(int, int, double x, double)
{
    Picture2->canvas().setDrawWidth(thickPen);
    drawMarker(QColor());
    selectedPoint = platform::toInteger(platform::intFloor(x / pointSpacing));
    // Formed in int: a drag far beyond the bars must not overflow the 16-bit column product.
    markerX = static_cast<float>(int(pointSpacing) * int(selectedPoint) + 7);
    drawMarker(colours::marker());
}

void form1::onPicture1MouseMove(int button, int shift, double x, double y)
{
    onPicture1MouseDown(button, shift, x, y);
}

} // namespace tilmora
