// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// The Huygens–Fresnel window's two costly drawings, at N = 6 and wavelength 60 (13 sources, 67
// rings, 871 circles): the field redraw that answers one slider step, and the samples of the
// amplitude scan a right press starts, unpaced, paced at 60 Hz and at the scan's own pace, the
// last also with nothing handed to the screen.

#include <orvane/form3.h>
#include <orvane/program.h>

#include <platform/drawing/surface.h>
#include <platform/loop/events.h>
#include <platform/startup/application.h>

#include <support/clocks.h>
#include <support/figures.h>
#include <support/frame_run.h>
#include <support/statistics.h>

#include <QApplication>

#include <vector>

using namespace std::chrono_literals;

namespace {

// One slider step: 6 is the slider's maximum, so its handler redraws the same field. The time
// runs until the new field is painted.
void timeFieldRedraws(orvane::Form3& form)
{
    constexpr int redraws = 40;
    std::vector<double> cpu;
    std::vector<double> wall;
    const double wallStart = bench::wallMs();
    for (int i = 0; i < redraws; ++i) {
        const double c0 = bench::processCpuMs();
        const double w0 = bench::wallMs();
        form.onHScroll2Change();
        platform::flushDrawing();
        platform::doEvents();
        cpu.push_back(bench::processCpuMs() - c0);
        wall.push_back(bench::wallMs() - w0);
    }
    const double wallTotal = bench::wallMs() - wallStart;
    bench::printFigure("huygens_field", "circles", (2 * form.halfcount + 1) * (4000 / form.wavelength + 1));
    bench::printFigure("huygens_field", "frame_cpu_ms", bench::median(cpu));
    bench::printFigure("huygens_field", "frame_wall_ms", bench::median(wall));
    bench::printFigure("huygens_field", "frames_per_second", 1e3 * redraws / wallTotal);
}

void timeScan(orvane::Form3& form)
{
    // Cut through x = 2000, right of the sources; the scan ends by itself after 1201 samples.
    const auto scan = [&form] { form.onMouseDown(platform::RightButton, 0, 2000, 0); };
    const auto scans = [&scan] {
        for (int i = 0; i < 3; ++i)
            scan();
    };

    platform::Pacer::setEnabled(false);
    scan(); // warm-up
    const bench::FrameRun unpaced = bench::runFrames({60s, {}, {}}, scans);

    // At 60 Hz: the pacer's own wait at a display frame's period after every sample, recorded
    // for four seconds; the rest of the cut then runs unpaced.
    platform::Pacer display(std::chrono::nanoseconds(1'000'000'000 / 60));
    const auto waitForDisplayFrame = [&display] {
        platform::Pacer::setEnabled(true);
        display.yield();
        platform::Pacer::setEnabled(false);
    };
    const bench::FrameRun atDisplayRate = bench::runFrames({4000ms, {}, waitForDisplayFrame}, scan);

    platform::Pacer::setEnabled(true);
    const bench::FrameRun ownPace = bench::runFrames({60s, {}, {}}, scan);
    const bench::FrameRun ownPaceWithheld = bench::runWithheld({60s, {}, {}}, scan);

    bench::printAnimationFigures("huygens_scan", unpaced, atDisplayRate);
    bench::printFigure("huygens_scan", "own_pace_rate", ownPace.framesPerSecond());
    bench::printFigure("huygens_scan", "own_pace_core_percent", 100 * ownPace.coreShare());
    bench::printFigure("huygens_scan", "own_pace_server_percent", 100 * ownPace.serverShare());
    bench::printFigure("huygens_scan", "withheld_core_percent", 100 * ownPaceWithheld.coreShare());
}

} // namespace

int main(int argc, char** argv)
{
    bench::chooseOffscreenByDefault();
    platform::prepareApplication();
    QApplication app(argc, argv);
    platform::initialiseApplication();
    platform::Pacer::setEnabled(false);

    orvane::Program program;
    orvane::Form3& form = program.form3();
    form.show();
    form.HScroll3->setValue(60);
    form.HScroll2->setValue(6);

    timeFieldRedraws(form);
    timeScan(form);
    return 0;
}
