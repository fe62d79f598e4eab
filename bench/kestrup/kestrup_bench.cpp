// The cost of Kestrup's frames: one unpaced frame with all nine switches on, and the share of one
// core that the paced animation takes at 60 Hz. Runs headless unless a display is chosen.

#include <kestrup/form1.h>

#include <platform/application.h>
#include <platform/events.h>

#include <QApplication>
#include <QTimer>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <memory>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

struct Countdown {
    kestrup::Form1& form;
    int left;
};

// Posted again from each yield; halts the loop, as "Halt/Weiter" would, when it runs out.
void countDown(const std::shared_ptr<Countdown>& countdown)
{
    if (--countdown->left <= 0) {
        countdown->form.onCommand1Click();
        return;
    }
    QTimer::singleShot(0, qApp, [countdown] { countDown(countdown); });
}

void haltAfter(kestrup::Form1& form, int frames)
{
    auto countdown = std::make_shared<Countdown>(Countdown{form, frames});
    QTimer::singleShot(0, qApp, [countdown] { countDown(countdown); });
}

void setAllSwitches(kestrup::Form1& form)
{
    for (auto click : {&kestrup::Form1::onCheck1Click, &kestrup::Form1::onCheck2Click,
                       &kestrup::Form1::onCheck3Click, &kestrup::Form1::onCheck4Click,
                       &kestrup::Form1::onCheck5Click, &kestrup::Form1::onCheck6Click,
                       &kestrup::Form1::onCheck8Click, &kestrup::Form1::onCheck9Click})
        (form.*click)();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::initialiseApplication();

    kestrup::Form1 form;
    platform::Pacer::setEnabled(false);
    haltAfter(form, 1);
    form.show();
    setAllSwitches(form);
    form.HScroll6->setValue(3);
    form.onCommand1Click(); // the slider left it unhalted with no loop running

    constexpr int frames = 2000;
    haltAfter(form, frames);
    const double cpu0 = cpuSeconds();
    const auto wall0 = std::chrono::steady_clock::now();
    form.onCommand1Click();
    const double cpu = cpuSeconds() - cpu0;
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
    std::printf("unpaced, all nine switches on: %d frames, %.3f ms CPU and %.3f ms wall per frame "
                "(frame and its yield)\n",
                frames, 1000 * cpu / frames, 1000 * wall / frames);

    platform::Pacer::setEnabled(true);
    constexpr double seconds = 5;
    QTimer::singleShot(std::chrono::milliseconds(static_cast<int>(seconds * 1000)), &form,
                       [&form] { form.onCommand1Click(); });
    const double phase0 = form.phase;
    const double pacedCpu0 = cpuSeconds();
    const auto pacedWall0 = std::chrono::steady_clock::now();
    form.onCommand1Click();
    const double pacedCpu = cpuSeconds() - pacedCpu0;
    const double pacedWall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - pacedWall0).count();
    const double pacedFrames = (form.phase - phase0) / double{form.phaseStep};
    std::printf("paced at 60 Hz: %.0f frames in %.2f s (%.1f frames/s), %.1f %% of one core\n",
                pacedFrames, pacedWall, pacedFrames / pacedWall, 100 * pacedCpu / pacedWall);
    return 0;
}
