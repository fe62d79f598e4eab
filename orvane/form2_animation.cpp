// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form2.h"

#include "colours.h"

#include <platform/loop/events.h>
#include <platform/loop/nesting.h>

#include <cmath>

namespace orvane {
namespace {

// The animation draws at a dragged selection outside the point tables; such a step is skipped
// and the animation goes on.
bool onTables(int index)
{
    return index >= 0 && index < Form2::tableSize;
}

} // namespace

// Formed in double and rounded to float once: the lag is taken off the double sum, not off the
// time phase beforehand, so that every phase rounds where it always has.
float Form2::phaseAt(int point, float lag) const
{
    return static_cast<float>(point * waveNumber + timePhase - lag);
}

void Form2::computePhasors()
{
    phasor1X = static_cast<float>(amplitude * cosine(phase1));
    phasor1Y = static_cast<float>(amplitude * sine(phase1));
    phasor2X = static_cast<float>(amplitude * cosine(phase2));
    phasor2Y = static_cast<float>(amplitude * sine(phase2));
}

// At the nesting limit a restart leaves the frames to the innermost running loop, which goes on
// as halted is 0 again; the picture and every later halt are the same.
void Form2::animateWaves()
{
    if (m_animations.full())
        return;
    const platform::LoopNesting::Level level(m_animations);
    platform::Canvas& waves = Picture1->canvas();
    platform::Canvas& panel = Picture2->canvas();
    for (;;) {
        if (halted == 1)
            return;
        phase1 = phaseAt(selectedPoint + phaseShift);
        phase2 = phaseAt(selectedPoint);
        computePhasors();

        waves.setDrawWidth(4);
        drawMarkerColumns();
        waves.setDrawWidth(2);

        panel.cls();
        platform::doEvents();
        if (vectorSumMode == 0)
            drawSinglePhasors();
        if (singlePhasorMode == 0)
            drawVectorSum();
        // The paced wait of the frame: the marker columns and the phasors stand on the screen now,
        // and the marker columns are erased again before the frame ends.
        platform::frameYield();

        sweepPoints();

        waves.setDrawWidth(6);
        eraseMarkerColumns();
        waves.setDrawWidth(2);
        timePhase += phaseStep;
        platform::doEvents();
    }
}

// Thicker and in colour in place of the selected point's grey columns.
void Form2::drawMarkerColumns()
{
    platform::Canvas& waves = Picture1->canvas();
    const int m = selectedPoint;
    if (!onTables(m))
        return;
    waves.line(wave1X[m], wave1Y[m], wave1X[m], wave1Y[m] + phasor1Y, colours::green());
    if (waveTwoShown())
        waves.line(wave2X[m], wave2Y[m], wave2X[m], wave2Y[m] + phasor2Y, colours::blue());
    if (sumShown())
        waves.line(sumTraceX[m], sumTraceY[m], sumTraceX[m], sumTraceY[m] + phasor1Y + phasor2Y, colours::red());
}

// Both phasors from the origin at 0.6 of their length, with their projections on the axis at 130.
void Form2::drawSinglePhasors()
{
    platform::Canvas& panel = Picture2->canvas();
    panel.line(0, 0, 0.6 * phasor1X, 0.6 * phasor1Y, colours::green());
    if (waveTwoShown())
        panel.line(0, 0, 0.6 * phasor2X, 0.6 * phasor2Y, colours::blue());
    panel.setDrawWidth(1);
    panel.circle(0, 0, 0.6 * amplitude, colours::olive());
    panel.line(130, 150, 130, -150, colours::grey());
    panel.line(0.6 * phasor1X, 0.6 * phasor1Y, 130, 0.6 * phasor1Y, colours::grey());
    if (waveTwoShown())
        panel.line(0.6 * amplitude * cosine(phase2), 0.6 * amplitude * sine(phase2), 130,
                   0.6 * amplitude * sine(phase2), colours::grey());
    panel.line(0, 0, 130, 0, colours::grey());
    panel.setDrawWidth(3);
    panel.line(135, 0, 135, 0.6 * amplitude * sine(phase1), colours::green());
    if (waveTwoShown())
        panel.line(125, 0, 125, 0.6 * amplitude * sine(phase2), colours::blue());
}

// The phasors head to tail and their resultant, with the bars stacked the same way.
void Form2::drawVectorSum()
{
    platform::Canvas& panel = Picture2->canvas();
    panel.setDrawWidth(3);
    tip1X = static_cast<float>(0.6 * phasor1X);
    tip1Y = static_cast<float>(0.6 * phasor1Y);
    tipSumX = static_cast<float>(0.6 * phasor2X + tip1X);
    tipSumY = static_cast<float>(0.6 * phasor2Y + tip1Y);
    panel.line(0, 0, tip1X, tip1Y, colours::green());
    if (waveTwoShown())
        panel.lineTo(tipSumX, tipSumY, colours::blue());
    if (sumShown())
        panel.lineTo(0, 0, colours::red());
    if (waveTwoShown())
        panel.line(135, 0, 135, tip1Y + 0.6 * amplitude * sine(phase2), colours::red());
    panel.setDrawWidth(1);
    if (waveTwoShown())
        panel.circle(0, 0, std::sqrt(double(tipSumX) * tipSumX + double(tipSumY) * tipSumY), colours::lightGrey());
    panel.line(130, 150, 130, -150, colours::grey());
    panel.line(tip1X, tip1Y, 130, tip1Y, colours::grey());
    if (waveTwoShown())
        panel.line(tipSumX, tipSumY, 130, tipSumY, colours::grey());
    panel.line(0, 0, 130, 0, colours::grey());
    panel.setDrawWidth(3);
    panel.line(125, 0, 125, tip1Y, colours::green());
    if (waveTwoShown())
        panel.line(130, tip1Y, 130, tipSumY, colours::blue());
}

// Each column is erased by a white band wider than the column and drawn anew. pointIndex is read
// again after every yield: a point loop run inside a yield moves it, and this sweep then ends early.
void Form2::sweepPoints()
{
    platform::Canvas& waves = Picture1->canvas();
    const std::int16_t last = static_cast<std::int16_t>(pointCount - 1);
    for (pointIndex = 0; pointIndex <= last; ++pointIndex) {
        phase1 = phaseAt(pointIndex + phaseShift);
        phase2 = phaseAt(pointIndex);
        if (pointIndex == selectedPoint)
            continue;
        waves.setDrawWidth(5);
        if (int i = pointIndex; onTables(i)) {
            waves.line(wave1X[i], wave1Y[i] - amplitude, wave1X[i], wave1Y[i] + amplitude, colours::white());
            waves.line(wave2X[i], wave2Y[i] - amplitude, wave2X[i], wave2Y[i] + amplitude, colours::white());
            waves.line(sumTraceX[i], sumTraceY[i] - 2 * amplitude, sumTraceX[i], sumTraceY[i] + 2 * amplitude,
                       colours::white());
        }
        waves.setDrawWidth(2);
        platform::doEvents();
        if (int i = pointIndex; onTables(i)) {
            waves.line(wave1X[i], wave1Y[i], wave1X[i], wave1Y[i] + amplitude * sine(phase1), colours::grey());
            if (waveTwoShown())
                waves.line(wave2X[i], wave2Y[i], wave2X[i], wave2Y[i] + amplitude * sine(phase2), colours::grey());
            if (sumShown())
                waves.line(sumTraceX[i], sumTraceY[i], sumTraceX[i],
                           sumTraceY[i] + amplitude * sine(phase1) + amplitude * sine(phase2), colours::grey());
        }
        platform::doEvents();
    }
}

// Width 6 over the marker's 4 pixels, so that no coloured edge stays behind.
void Form2::eraseMarkerColumns()
{
    platform::Canvas& waves = Picture1->canvas();
    const int m = selectedPoint;
    if (!onTables(m))
        return;
    waves.line(wave1X[m], wave1Y[m], wave1X[m], wave1Y[m] + phasor1Y, colours::white());
    waves.line(wave2X[m], wave2Y[m], wave2X[m], wave2Y[m] + phasor2Y, colours::white());
    waves.line(sumTraceX[m], sumTraceY[m], sumTraceX[m], sumTraceY[m] + phasor1Y + phasor2Y, colours::white());
}

// A slider moved during the redraw nests another one; the deepest redraw allowed holds input
// back until it ends.
void Form2::redrawHalted()
{
    const platform::LoopNesting::Level level(m_haltedRedraws, platform::LoopNesting::AtLimit::HoldInput);
    platform::Canvas& waves = Picture1->canvas();
    const std::int16_t last = static_cast<std::int16_t>(pointCount - 1);
    for (pointIndex = 0; pointIndex <= last; ++pointIndex) {
        phase1 = phaseAt(pointIndex + phaseShift, phaseStep);
        phase2 = phaseAt(pointIndex, phaseStep);
        // A sweep run inside one of the yields below leaves pointIndex one past its last point,
        // still within the tables; the check only keeps a stray index from reading past them.
        if (int i = pointIndex; onTables(i)) {
            waves.line(wave1X[i], wave1Y[i] - amplitude, wave1X[i], wave1Y[i] + amplitude);
            waves.line(wave2X[i], wave2Y[i] - amplitude, wave2X[i], wave2Y[i] + amplitude);
            waves.line(sumTraceX[i], sumTraceY[i] - 2 * amplitude, sumTraceX[i], sumTraceY[i] + 2 * amplitude);
        }
        platform::doEvents();
        if (int i = pointIndex; onTables(i)) {
            waves.line(wave1X[i], wave1Y[i], wave1X[i], wave1Y[i] + amplitude * sine(phase1), colours::white());
            if (waveTwoShown())
                waves.line(wave2X[i], wave2Y[i], wave2X[i], wave2Y[i] + amplitude * sine(phase2), colours::white());
            if (sumShown())
                waves.line(sumTraceX[i], sumTraceY[i], sumTraceX[i],
                           sumTraceY[i] + amplitude * sine(phase1) + amplitude * sine(phase2), colours::white());
        }
        platform::doEvents();
    }
}

} // namespace orvane
