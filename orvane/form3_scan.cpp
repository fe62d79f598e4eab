// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form3.h"

#include "colours.h"

#include <platform/loop/events.h>
#include <platform/loop/nesting.h>
#include <platform/widgets/numbers.h>

#include <chrono>
#include <cmath>

namespace orvane {
namespace {

// One sample every 4 ms: a whole cut takes about five seconds, slow enough to watch.
constexpr std::chrono::milliseconds samplePeriod(4);

} // namespace

// Runs the point display down the vertical cut through x, plotting the resultant's length at
// every sample. Handlers run inside the yield; N and the wavelength are read afresh at every
// sample, and the yield stands outside every loop over the sources. The deepest scan allowed
// holds input back until it ends, so a further press then starts its scan after this one
// instead of inside it.
void Form3::scanAmplitude(double x)
{
    const platform::LoopNesting::Level level(m_scans, platform::LoopNesting::AtLimit::HoldInput);
    Picture1->show();
    Picture3->show();
    platform::Canvas& plot = Picture1->canvas();
    plot.cls();

    platform::Pacer pacer(samplePeriod);
    for (float s = -3000; s <= 3000; s += 5) {
        movePanel(x, s);
        pacer.yield();
        canvas().cls();
        drawLinesToSources(x, s);
        computePhases(x, s);
        drawPhasorChain();
        amplitude = static_cast<float>(std::sqrt(double(sumy) * sumy + sumx * sumx));
        plot.line(s, 800, s, 800 - amplitude, colours::red());
        closePhasorChain();
        drawSinglePhasors();
    }

    platform::Canvas& field = canvas();
    field.setDrawWidth(3);
    field.line(x, -1500, x, 1500, colours::red());
    field.setDrawWidth(1);
}

} // namespace orvane
