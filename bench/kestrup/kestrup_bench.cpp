// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// Kestrup's animation with all nine switches on: the median unpaced frame, the unpaced frame
// rate and the share of one core the animation takes paced at 60 Hz, with its drawing on the
// screen and with nothing handed to the screen.

#include <kestrup/form1.h>

#include <platform/loop/events.h>
#include <platform/startup/application.h>

#include <support/figures.h>
#include <support/frame_run.h>

#include <QApplication>
#include <QTimer>

using namespace std::chrono_literals;

namespace {

// Line 1 is on from the start; the other eight switches are clicked on.
void setAllSwitches(kestrup::Form1& form)
{
    for (auto click : {&kestrup::Form1::onCheck1Click, &kestrup::Form1::onCheck2Click, &kestrup::Form1::onCheck3Click,
                       &kestrup::Form1::onCheck4Click, &kestrup::Form1::onCheck5Click, &kestrup::Form1::onCheck6Click,
                       &kestrup::Form1::onCheck8Click, &kestrup::Form1::onCheck9Click})
        (form.*click)();
}

} // namespace

int main(int argc, char** argv)
{
    bench::chooseOffscreenByDefault();
    platform::prepareApplication();
    QApplication app(argc, argv);
    platform::initialiseApplication();

    kestrup::Form1 form;
    // Loading runs the animation until it is halted: "Halt/Weiter" waits in the queue for the
    // first frame's yield.
    const auto click = [&form] { form.onCommand1Click(); };
    platform::Pacer::setEnabled(false);
    QTimer::singleShot(0, &form, click);
    form.show();
    setAllSwitches(form);
    form.HScroll6->setValue(3);
    form.onCommand1Click(); // the slider left it unhalted with no loop running

    bench::runFrames({300ms, click, {}}, click); // warm-up
    const bench::FrameRun unpaced = bench::runFrames({2500ms, click, {}}, click);
    platform::Pacer::setEnabled(true);
    const bench::FrameRun paced = bench::runFrames({4500ms, click, {}}, click);
    const bench::FrameRun withheld = bench::runWithheld({3000ms, click, {}}, click);

    bench::printAnimationFigures("kestrup", unpaced, paced);
    bench::printFigure("kestrup", "withheld_core_percent", 100 * withheld.coreShare());
    return 0;
}
