// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// The animation loop: each frame the phasors of the marker column, then one sweep across the
// columns of Picture1, erasing and drawing each column on its own.

#include "form1.h"

#include "colours.h"

#include <platform/loop/events.h>

#include <cmath>

namespace tilmora {

// Runs inside the Start click. Every other handler, a second Start click included, runs inside
// its yields; a restart before this loop has reached its frame boundary nests a second loop,
// and the shared column counter then ends this loop's sweep when the nested one returns. At the
// nesting limit a restart leaves the frames to the innermost loop, which goes on as halted is 0
// again; the bars and every later halt are the same.
void form1::wellen()
{
    if (halted != 0 || m_frameLoops.full())
        return;
    const platform::LoopNesting::Level level(m_frameLoops);
    for (;;) {
        if (halted == 1)
            return;
        phasorStep();
        platform::doEvents();
        const std::int16_t lastColumn = static_cast<std::int16_t>(pointCount - 1);
        // pointIndex is re-read before each column: a nested loop may have moved it on.
        for (pointIndex = 0; pointIndex <= lastColumn; ++pointIndex)
            sweepColumn(pointIndex);
        timePhase = timePhase + phaseStep;
        // The frame stands complete here: the one paced yield of the frame.
        platform::frameYield();
        Picture2->canvas().setDrawWidth(3);
    }
}

// Formed in double and rounded to float once.
float form1::phaseAt(int column) const
{
    return static_cast<float>(column * waveNumber + timePhase);
}

void form1::sweepColumn(std::int16_t i)
{
    phase1 = phaseAt(i + pathDifference);
    phase2 = phaseAt(i);
    platform::Canvas& c = Picture1->canvas();
    // Lines in the foreground colour, black on black: every row is erased whatever the
    // switches say, so a row switched off disappears column by column.
    c.line(wave1X[i], wave1Y[i] - amplitude, wave1X[i], wave1Y[i] + amplitude);
    c.line(wave2X[i], wave2Y[i] - amplitude, wave2X[i], wave2Y[i] + amplitude);
    c.line(sumTraceX[i], sumTraceY[i] - 2 * amplitude, sumTraceX[i], sumTraceY[i] + 2 * amplitude);
    platform::doEvents();
    c.line(wave1X[i], wave1Y[i], wave1X[i], wave1Y[i] + amplitude * std::sin(double(phase1)), colours::wave1());
    if (wave2Off == 0) {
        c.line(wave2X[i], wave2Y[i], wave2X[i], wave2Y[i] + amplitude * std::sin(double(phase2)), colours::wave2());
        if (sumOff == 0)
            c.line(sumTraceX[i], sumTraceY[i], sumTraceX[i],
                   sumTraceY[i] + (std::sin(double(phase2)) + std::sin(double(phase1))) * amplitude, colours::sum());
    }
    platform::doEvents();
}

} // namespace tilmora
