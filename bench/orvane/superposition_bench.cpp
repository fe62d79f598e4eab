// The cost of the superposition animation: one unpaced frame with everything switched on, and the
// share of one core the paced animation takes at 60 frames a second. Runs offscreen.

#include <orvane/form1.h>
#include <orvane/form2.h>
#include <orvane/program.h>

#include <platform/application.h>
#include <platform/events.h>

#include <support/animation_run.h>

#include <QApplication>

#include <chrono>
#include <cstdio>

namespace {

struct Run : bench::Run {
    double frames = 0;
};

// Opens the window from the menu, starts the animation and stops it after `seconds`, as the user
// would with "Menu". Frames are counted by the time phase, which grows by an exact 1/32 per frame.
Run animate(orvane::Program& program, double seconds)
{
    orvane::Form2& form = program.form2();
    program.form1().onCommand2Click();
    const float startPhase = form.timePhase;
    const auto click = [&form] { form.onCommand1Click(); };
    Run run{bench::timeAnimation(&form, std::chrono::milliseconds(static_cast<int>(seconds * 1000)), click, click)};
    run.frames = (form.timePhase - startPhase) / form.phaseStep;
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::initialiseApplication();

    orvane::Program program;
    program.form1().show();
    program.form1().onCommand2Click();
    orvane::Form2& form = program.form2();
    form.onCommand2Click();
    form.onCommand3Click();
    form.onCommand4Click();
    // Wavelength 32 makes the time step 1/32, so the time phase counts the frames exactly.
    form.HScroll1->setValue(32);

    platform::Pacer::setEnabled(false);
    animate(program, 0.5); // warm-up
    const Run unpaced = animate(program, 3.0);
    std::printf("unpaced: %.0f frames in %.2f s; per frame %.3f ms CPU, %.3f ms wall\n", unpaced.frames,
                unpaced.wallSeconds, 1000 * unpaced.cpuSeconds / unpaced.frames,
                1000 * unpaced.wallSeconds / unpaced.frames);

    platform::Pacer::setEnabled(true);
    const Run paced = animate(program, 5.0);
    const double rate = paced.frames / paced.wallSeconds;
    std::printf("paced: %.0f frames in %.2f s = %.2f frames/s (%+.2f %% against 60); CPU %.1f %% of one core\n",
                paced.frames, paced.wallSeconds, rate, 100 * (rate / 60 - 1),
                100 * paced.cpuSeconds / paced.wallSeconds);
    return 0;
}
