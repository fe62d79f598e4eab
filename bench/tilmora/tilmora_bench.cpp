// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// Tilmora's animation with wave 2, the sum and the phasors of the sum on: the median unpaced
// frame, the unpaced frame rate and the share of one core the animation takes paced at 60 Hz,
// with its drawing on the screen and with nothing handed to the screen.

#include <tilmora/form1.h>

#include <platform/loop/events.h>
#include <platform/startup/application.h>

#include <support/figures.h>
#include <support/frame_run.h>

#include <QApplication>

using namespace std::chrono_literals;

int main(int argc, char** argv)
{
    bench::chooseOffscreenByDefault();
    platform::prepareApplication();
    QApplication app(argc, argv);
    platform::initialiseApplication();

    tilmora::form1 window;
    window.show();
    window.onCommand1Click();
    window.onCommand5Click();
    window.onCommand7Click();

    // "Start/Stopp" starts the animation and, clicked again, halts it.
    const auto click = [&window] { window.onCommand3Click(); };

    platform::Pacer::setEnabled(false);
    bench::runFrames({300ms, click, {}}, click); // warm-up
    const bench::FrameRun unpaced = bench::runFrames({2500ms, click, {}}, click);
    platform::Pacer::setEnabled(true);
    const bench::FrameRun paced = bench::runFrames({4500ms, click, {}}, click);
    const bench::FrameRun withheld = bench::runWithheld({3000ms, click, {}}, click);

    bench::printAnimationFigures("tilmora", unpaced, paced);
    bench::printFigure("tilmora", "withheld_core_percent", 100 * withheld.coreShare());
    return 0;
}
