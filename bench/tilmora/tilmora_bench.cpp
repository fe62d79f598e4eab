// Cost of Tilmora's animation: the CPU time of one unpaced frame with wave 2, the sum and the
// phasor display of the sum on, and the share of one core while the paced animation runs.
// Runs offscreen unless QT_QPA_PLATFORM says otherwise.

#include <tilmora/form1.h>

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

// Runs the animation, all parts on, until a timer stops it as a second click would.
Run animate(tilmora::form1& window, std::chrono::milliseconds duration)
{
    const float startPhase = window.timePhase;
    const auto click = [&window] { window.onCommand3Click(); };
    Run run{bench::timeAnimation(&window, duration, click, click)};
    run.frames = (window.timePhase - startPhase) / window.phaseStep;
    return run;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::initialiseApplication();

    tilmora::form1 window;
    window.show();
    window.onCommand1Click();
    window.onCommand5Click();
    window.onCommand7Click();
    // A slow time stretch keeps the time phase small, so counting frames by it stays exact.
    window.HScroll2->setValue(1000);

    platform::Pacer::setEnabled(false);
    animate(window, std::chrono::milliseconds(300)); // warm-up
    const Run unpaced = animate(window, std::chrono::seconds(3));
    std::printf("unpaced: %.0f frames in %.2f s wall, %.2f s CPU: %.3f ms CPU per frame\n", unpaced.frames,
                unpaced.wallSeconds, unpaced.cpuSeconds, 1000 * unpaced.cpuSeconds / unpaced.frames);

    platform::Pacer::setEnabled(true);
    const Run paced = animate(window, std::chrono::seconds(5));
    std::printf("paced:   %.0f frames in %.2f s wall (%.1f Hz), %.2f s CPU: %.1f %% of one core\n", paced.frames,
                paced.wallSeconds, paced.frames / paced.wallSeconds, paced.cpuSeconds,
                100 * paced.cpuSeconds / paced.wallSeconds);
    return 0;
}
