// The Huygens–Fresnel window's two costly drawings: the field at its largest (13 sources, 67
// rings, 871 circles) and one sample of the amplitude scan without its pacing.
#include <orvane/form3.h>
#include <orvane/program.h>

#include <platform/application.h>
#include <platform/events.h>

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

double cpuMilliseconds()
{
    return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

double wallMilliseconds()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::initialiseApplication();
    platform::Pacer::setEnabled(false);

    orvane::Program program;
    orvane::Form3& form = program.form3();
    form.show();
    form.HScroll3->setValue(60);
    form.HScroll2->setValue(6);
    std::printf("window %dx%d pixels, %d sources, wavelength %d\n", form.width(), form.height(),
                2 * form.halfcount + 1, form.wavelength);

    // The field is redrawn by each slider change; 6 is the slider's maximum, so setting it again
    // redraws without changing anything.
    constexpr int redraws = 30;
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int i = 0; i < redraws; ++i) {
        const double w0 = wallMilliseconds();
        const double c0 = cpuMilliseconds();
        form.onHScroll2Change();
        cpu.push_back(cpuMilliseconds() - c0);
        wall.push_back(wallMilliseconds() - w0);
    }
    std::printf("field redraw (871 circles): median %.2f ms wall, %.2f ms CPU (target <= 15 ms)\n",
                median(wall), median(cpu));

    // Whole scans, unpaced; each sample includes its yield.
    form.HScroll2->setValue(3);
    form.HScroll3->setValue(100);
    constexpr int scans = 5;
    constexpr int samplesPerScan = 1201;
    std::vector<double> scanWall;
    std::vector<double> scanCpu;
    for (int i = 0; i < scans; ++i) {
        const double w0 = wallMilliseconds();
        const double c0 = cpuMilliseconds();
        form.onMouseDown(2, 0, 2000, 0);
        scanCpu.push_back((cpuMilliseconds() - c0) / samplesPerScan);
        scanWall.push_back((wallMilliseconds() - w0) / samplesPerScan);
    }
    std::printf("scan sample at N = 3 (unpaced): median %.3f ms wall, %.3f ms CPU (target <= 0.5 ms CPU)\n",
                median(scanWall), median(scanCpu));

    form.HScroll2->setValue(6);
    scanWall.clear();
    scanCpu.clear();
    for (int i = 0; i < scans; ++i) {
        const double w0 = wallMilliseconds();
        const double c0 = cpuMilliseconds();
        form.onMouseDown(2, 0, 2000, 0);
        scanCpu.push_back((cpuMilliseconds() - c0) / samplesPerScan);
        scanWall.push_back((wallMilliseconds() - w0) / samplesPerScan);
    }
    std::printf("scan sample at N = 6 (unpaced): median %.3f ms wall, %.3f ms CPU\n", median(scanWall),
                median(scanCpu));

    // One whole scan as a user runs it: paced, with every sample handed to the screen.
    form.HScroll2->setValue(3);
    platform::Pacer::setEnabled(true);
    const double w0 = wallMilliseconds();
    const double c0 = cpuMilliseconds();
    form.onMouseDown(2, 0, 2000, 0);
    const double pacedWall = wallMilliseconds() - w0;
    const double pacedCpu = cpuMilliseconds() - c0;
    std::printf("paced scan at N = 3: %.2f s wall (1201 x 4 ms = 4.80 s), %.0f %% of a core\n",
                pacedWall / 1000, 100 * pacedCpu / pacedWall);
    return 0;
}
