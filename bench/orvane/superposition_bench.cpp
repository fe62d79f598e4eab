// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// The superposition animation with everything switched on: the median unpaced frame, the unpaced
// frame rate and the share of one core the animation takes paced at 60 frames a second, with
// its drawing on the screen and with nothing handed to the screen.

#include <orvane/form1.h>
#include <orvane/form2.h>
#include <orvane/program.h>

#include <platform/loop/events.h>
#include <platform/startup/application.h>

#include <support/figures.h>
#include <support/frame_run.h>

#include <QApplication>
#include <QScreen>

using namespace std::chrono_literals;

int main(int argc, char** argv)
{
    bench::chooseOffscreenByDefault();
    platform::prepareApplication();
    QApplication app(argc, argv);
    platform::initialiseApplication();

    orvane::Program program;
    program.form1().show();
    program.form1().onCommand2Click();
    orvane::Form2& form = program.form2();
    form.onCommand2Click();
    form.onCommand3Click();
    form.onCommand4Click();

    // Each run opens the window from the menu and starts it; "Menu" halts it and shows the menu.
    const auto start = [&program, &form] {
        program.form1().onCommand2Click();
        form.onCommand1Click();
    };
    const auto stop = [&form] { form.onCommand1Click(); };

    platform::Pacer::setEnabled(false);
    bench::runFrames({500ms, stop, {}}, start); // warm-up
    const bench::FrameRun unpaced = bench::runFrames({2500ms, stop, {}}, start);
    platform::Pacer::setEnabled(true);
    const bench::FrameRun paced = bench::runFrames({4500ms, stop, {}}, start);
    const bench::FrameRun withheld = bench::runWithheld({3000ms, stop, {}}, start);

    const bench::FrameRun paused = bench::runPaused(2000ms, stop, start);

    bench::printAnimationFigures("superposition", unpaced, paced);
    bench::printFigure("superposition", "withheld_core_percent", 100 * withheld.coreShare());
    bench::printFigure("superposition", "paused_core_percent", 100 * paused.coreShare());
    bench::printFigure("superposition", "paused_server_percent", 100 * paused.serverShare());
    const QSize screen = QGuiApplication::primaryScreen()->size();
    bench::printFigure("screen", "width", screen.width());
    bench::printFigure("screen", "height", screen.height());
    return 0;
}
