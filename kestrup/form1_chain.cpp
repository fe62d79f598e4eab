// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form1.h"

#include "colours.h"

#include <platform/widgets/layout.h>
#include <platform/widgets/numbers.h>

// The chain box: the two phasors at the measuring position, their chain head to tail and their
// resultant, enlarged; erased element by element like the rows.

namespace kestrup {
namespace {

// Point 19 of row 2 (x = 2850) is the measuring position.
constexpr int measuringPoint = 19;
// Origins on the box's middle line: wave 1, wave 2, and the chain with its resultant.
constexpr double wave1Origin = -220;
constexpr double wave2Origin = -60;
constexpr double chainOrigin = 170;

} // namespace

void Form1::drawPhasorChain()
{
    Picture1->setVisible(true);
    drawMeasuringLine();

    platform::Canvas& box = Picture1->canvas();
    box.setDrawWidth(3);
    box.pset(wave1Origin, 0);
    box.pset(wave2Origin, 0);
    box.pset(chainOrigin, 0);
    box.setDrawWidth(1);

    // Wave 1 has the same rest x as point 19 of wave 2 at the index shifted by the path difference.
    const int j = platform::toInteger(measuringPoint - pathDifference);
    if (j < 0 || j >= pointCapacity)
        return;
    const int k = measuringPoint;
    box.line(wave1Origin, 0, wave1Origin + oldDx1[j], oldDy1[j], colours::white());
    box.line(wave1Origin, 0, wave1Origin + tipDx1[j], tipDy1[j], colours::blue());
    box.line(wave2Origin, 0, wave2Origin + oldDx2[k], oldDy2[k], colours::white());
    box.line(wave2Origin, 0, wave2Origin + tipDx2[k], tipDy2[k], colours::green());
    if (wavelength / 2.0 != pathDifference && chainHidden == 0) {
        box.line(chainOrigin, 0, chainOrigin + oldDx2[k], oldDy2[k], colours::white());
        box.lineTo(chainOrigin + oldDx2[k] + oldDx1[j], oldDy2[k] + oldDy1[j], colours::white());
        box.line(chainOrigin, 0, chainOrigin + tipDx2[k], tipDy2[k], colours::green());
        box.lineTo(chainOrigin + tipDx2[k] + tipDx1[j], tipDy2[k] + tipDy1[j], colours::blue());
    }
    box.line(chainOrigin, 0, chainOrigin + oldDx2[k] + oldDx1[j], oldDy2[k] + oldDy1[j], colours::white());
    box.line(chainOrigin, 0, chainOrigin + tipDx2[k] + tipDx1[j], tipDy2[k] + tipDy1[j], colours::red());
}

// Three dashes joining the measuring position in the rows to the box, with gaps where the rows
// swing.
void Form1::drawMeasuringLine()
{
    platform::Canvas& form = canvas();
    const double x = restX2[measuringPoint];
    form.line(x, -80, x, platform::topInUnits(Picture1) + platform::heightInUnits(Picture1));
    form.line(x, 80, x, spacing + 80);
    form.line(x, 2 * spacing + 80, x, 5 * spacing - 160);
}

void Form1::onPicture1Click()
{
    chainHidden = static_cast<std::int16_t>(1 - chainHidden);
    Picture1->canvas().cls();
    if (chainHidden == 0) {
        Label2->setVisible(true);
        Label3->setVisible(false);
    }
    if (chainHidden == 1) {
        Label3->setVisible(true);
        Label2->setVisible(false);
    }
    animateWaves();
}

} // namespace kestrup
