// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form1.h"

#include "colours.h"

#include <platform/loop/events.h>
#include <platform/widgets/numbers.h>

#include <cmath>

// The frame loop. Nothing is cleared between frames: every element of the previous frame is
// drawn again in white at its old coordinates, then drawn anew, so a frame touches only the
// pixels of what moves.

namespace kestrup {
namespace {

bool isOn(std::int16_t value)
{
    return value == 1;
}

void line(platform::Canvas& canvas, QPointF from, QPointF to, const QColor& colour)
{
    canvas.line(from.x(), from.y(), to.x(), to.y(), colour);
}

void lineTo(platform::Canvas& canvas, QPointF to, const QColor& colour)
{
    canvas.lineTo(to.x(), to.y(), colour);
}

void dot(platform::Canvas& canvas, QPointF at, const QColor& colour)
{
    canvas.pset(at.x(), at.y(), colour);
}

} // namespace

void Form1::animateWaves()
{
    // A start from inside a running loop's yield (the chain box's click, "Halt/Weiter" twice)
    // leaves the frames to that loop, which reads halted at its next frame top just as a nested
    // loop would; so repeated clicks never deepen the stack.
    if (m_frameLoops.full())
        return;
    const platform::LoopNesting::Level level(m_frameLoops);
    while (halted != 1) {
        drawFrame();
        platform::frameYield();
    }
}

void Form1::drawFrame()
{
    drawRows();
    drawSuperposition();
    phase = phase + phaseStep;
    if (showPhasorSum * showPhasor2 * showPhasor1 == 1)
        drawPhasorChain();
}

QPointF Form1::tip1(int m) const
{
    return {restX1[m] + tipDx1[m], restY1[m] + tipDy1[m]};
}

QPointF Form1::old1(int m) const
{
    return {restX1[m] + oldDx1[m], restY1[m] + oldDy1[m]};
}

QPointF Form1::tip2(int m) const
{
    return {restX2[m] + tipDx2[m], restY2[m] + tipDy2[m]};
}

QPointF Form1::old2(int m) const
{
    return {restX2[m] + oldDx2[m], restY2[m] + oldDy2[m]};
}

// At x = spacing·m wave 2 has the phasor of index m and wave 1 that of index m − pathDifference;
// both waves share one phasor per index, so the sum reads wave 1's arrays at m.
QPointF Form1::sum(int m) const
{
    const int d = platform::toInteger(m - pathDifference);
    return {restXSum[m] + tipDx1[m] + tipDx2[d], restYSum[m] + tipDy1[m] + tipDy2[d]};
}

QPointF Form1::oldSum(int m) const
{
    const int d = platform::toInteger(m - pathDifference);
    return {restXSum[m] + oldDx1[m] + oldDx2[d], restYSum[m] + oldDy1[m] + oldDy2[d]};
}

// Element lastPoint + 1 mirrors lastPoint, so that the last segment of a row has zero length.
void Form1::copyLastPoint()
{
    const int from = lastPoint;
    const int to = lastPoint + 1;
    if (from < 0 || to >= pointCapacity)
        return;
    restX1[to] = restX1[from];
    restY1[to] = restY1[from];
    tipDx1[to] = tipDx1[from];
    oldDx1[to] = oldDx1[from];
    tipDy1[to] = tipDy1[from];
    oldDy1[to] = oldDy1[from];
    restX2[to] = restX2[from];
    restY2[to] = restY2[from];
    tipDx2[to] = tipDx2[from];
    oldDx2[to] = oldDx2[from];
    tipDy2[to] = tipDy2[from];
    oldDy2[to] = oldDy2[from];
    restXSum[to] = restXSum[from];
    restYSum[to] = restYSum[from];
}

// Rows 1 and 2. At point i, element i + 1 still holds the previous frame's phasor, so the
// segment drawn now is exactly the one the next frame erases.
void Form1::drawRows()
{
    platform::Canvas& form = canvas();
    for (pointIndex = 0; pointIndex <= lastPoint; pointIndex += 1) {
        const int i = static_cast<int>(pointIndex);
        if (i + 1 >= pointCapacity)
            break;
        const double angle = waveNumber * i + phase;
        oldDx1[i] = tipDx1[i];
        oldDy1[i] = tipDy1[i];
        tipDx1[i] = amplitude * std::cos(angle);
        tipDy1[i] = -amplitude * std::sin(angle);
        oldDx2[i] = tipDx2[i];
        oldDy2[i] = tipDy2[i];
        tipDx2[i] = amplitude * std::cos(angle);
        tipDy2[i] = static_cast<float>(-amplitude * std::sin(angle));
        copyLastPoint();

        const QPointF foot1(restX1[i], restY1[i]);
        const QPointF foot2(restX2[i], restY2[i]);
        if (isOn(showLine1)) {
            line(form, old1(i), old1(i + 1), colours::white());
            line(form, tip1(i), tip1(i + 1), colours::foreColour());
        }
        if (isOn(showLine2)) {
            line(form, old2(i), old2(i + 1), colours::white());
            line(form, tip2(i), tip2(i + 1), colours::foreColour());
        }
        if (isOn(showPhasor1))
            line(form, foot1, old1(i), colours::white());
        if (isOn(showPhasor2))
            line(form, foot2, old2(i), colours::white());
        form.setDrawWidth(5);
        if (isOn(showPoints1))
            dot(form, old1(i), colours::white());
        if (isOn(showPoints2))
            dot(form, old2(i), colours::white());
        form.setDrawWidth(3);
        if (isOn(showPhasor1))
            dot(form, foot1, colours::foreColour());
        if (isOn(showPhasor2))
            dot(form, foot2, colours::foreColour());
        form.setDrawWidth(1);
        if (isOn(showPhasor1))
            line(form, foot1, tip1(i), colours::blue());
        if (isOn(showPhasor2))
            line(form, foot2, tip2(i), colours::green());
        form.setDrawWidth(5);
        if (isOn(showPoints2))
            dot(form, tip2(i), colours::green());
        if (isOn(showPoints1))
            dot(form, tip1(i), colours::blue());
        if (isOn(showPoints1))
            dot(form, old1(i), colours::white());
        if (isOn(showPoints2))
            dot(form, old2(i), colours::white());
        if (isOn(showPoints1))
            dot(form, tip1(i), colours::blue());
        if (isOn(showPoints2))
            dot(form, tip2(i), colours::green());
        form.setDrawWidth(1);
    }
}

// Row 3, over the points where both waves are present; it runs after all phasors are updated,
// so its segments join this frame's tips on both ends.
void Form1::drawSuperposition()
{
    platform::Canvas& form = canvas();
    // With an even wavelength and half of it as path difference the phasors cancel everywhere.
    const bool cancelling = wavelength / 2.0 == pathDifference;
    for (pointIndex = pathDifference; pointIndex <= lastPoint - 1; pointIndex += 1) {
        const int i = platform::toInteger(pointIndex);
        const int next = platform::toInteger(pointIndex + 1);
        if (platform::toInteger(pointIndex - pathDifference) < 0 || next >= pointCapacity)
            continue;
        const QPointF foot(restXSum[i], restYSum[i]);
        if (isOn(showLineSum)) {
            line(form, oldSum(i), oldSum(next), colours::white());
            line(form, sum(i), sum(next), colours::red());
        }
        if (isOn(showPhasorSum))
            line(form, foot, QPointF(restXSum[i] + oldDx1[i], restYSum[i] + oldDy1[i]), colours::white());
        if (isOn(showPhasorSum))
            lineTo(form, oldSum(i), colours::white());
        form.setDrawWidth(5);
        if (isOn(showPhasorSum))
            dot(form, oldSum(i), colours::white());
        form.setDrawWidth(1);
        if (!cancelling) {
            if (isOn(showPhasorSum))
                line(form, foot, QPointF(restXSum[i] + tipDx1[i], restYSum[i] + tipDy1[i]), colours::green());
            if (isOn(showPhasorSum))
                lineTo(form, sum(i), colours::blue());
            if (isOn(showPhasorSum))
                lineTo(form, sum(i), colours::foreColour());
        }
        form.setDrawWidth(3);
        if (isOn(showPhasorSum))
            dot(form, foot, colours::foreColour());
        form.setDrawWidth(1);
        form.setDrawWidth(5);
        if (isOn(showPointsSum))
            dot(form, sum(i), colours::blue());
        if (isOn(showPointsSum)) {
            dot(form, oldSum(i), colours::white());
            dot(form, sum(i), colours::blue());
        }
        form.setDrawWidth(1);
    }
}

} // namespace kestrup
