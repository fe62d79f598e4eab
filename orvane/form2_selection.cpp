// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form2.h"

#include "colours.h"

#include <platform/widgets/layout.h>
#include <platform/widgets/numbers.h>

namespace orvane {
namespace {

// One point step of the wave surface (30 of its units) in window units: 30 · 3950 / 3000.
constexpr double pointStepInWindowUnits = 39.5;
// Where the panel stands for point 0, so that its axis at x = 130 lies over the point's column.
constexpr double panelLeftAtPointZero = -920;

} // namespace

// Every way of selecting a point: the pen for the halted picture, the new point, the panel over
// it, and while halted the point's phasors at once (the running animation draws them itself).
template<typename ChangePoint>
void Form2::selectPoint(ChangePoint changePoint)
{
    Picture2->canvas().setDrawWidth(3);
    changePoint();
    platform::setLeftInUnits(Picture2, selectedPoint * pointStepInWindowUnits + panelLeftAtPointZero);
    if (halted == 1)
        drawSelectedPhasors();
}

// The left button alone selects the nearest point, halves upwards; a drag beyond the surface's
// edges selects beyond the points, unclamped.
void Form2::selectPointUnderMouse(int button, double x)
{
    if (button != platform::LeftButton)
        return;
    selectPoint([&] { selectedPoint = platform::toInteger(platform::intFloor(x / pointSpacing + 0.5)); });
}

void Form2::onPicture1MouseDown(int button, int, double x, double)
{
    selectPointUnderMouse(button, x);
}

void Form2::onPicture1MouseMove(int button, int, double x, double)
{
    selectPointUnderMouse(button, x);
}

void Form2::onCommand5MouseDown(int, int, double, double)
{
    selectPoint([&] {
        if (selectedPoint < 98)
            ++selectedPoint;
    });
}

void Form2::onCommand6Click()
{
    selectPoint([&] {
        if (selectedPoint > 2)
            --selectedPoint;
    });
}

// At the time of the last frame drawn, full length and in lighter colours than the animation's.
void Form2::drawSelectedPhasors()
{
    platform::Canvas& panel = Picture2->canvas();
    const bool waveTwoOn = waveTwoShown();

    phase1 = phaseAt(selectedPoint + phaseShift, phaseStep);
    phase2 = phaseAt(selectedPoint, phaseStep);
    computePhasors();

    panel.cls();
    panel.line(0, 0, phasor1X, phasor1Y, colours::lightGreen());
    if (waveTwoOn)
        panel.line(0, 0, phasor2X, phasor2Y, colours::lightBlue());
    panel.setDrawWidth(1);
    panel.circle(0, 0, amplitude, colours::olive());
    panel.line(130, 150, 130, -150, colours::grey());
    panel.line(phasor1X, phasor1Y, 130, phasor1Y, colours::grey());
    if (waveTwoOn)
        panel.line(amplitude * cosine(phase2), amplitude * sine(phase2), 130, amplitude * sine(phase2),
                   colours::grey());
    panel.line(0, 0, 130, 0, colours::grey());
    panel.setDrawWidth(3);
    panel.line(133, 0, 133, amplitude * sine(phase1), colours::lightGreen());
    if (waveTwoOn)
        panel.line(127, 0, 127, amplitude * sine(phase2), colours::lightBlue());
}

} // namespace orvane
