// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "frame_run.h"

#include "clocks.h"

#include <platform/events.h>

#include <QCoreApplication>
#include <QTimer>

namespace bench {

double FrameRun::framesPerSecond() const
{
    return wallMs > 0 ? 1e3 * frames() / wallMs : 0;
}

double FrameRun::coreShare() const
{
    return wallMs > 0 ? cpuMs / wallMs : 0;
}

namespace {

struct Recorder {
    explicit Recorder(const RunPlan& plan) : plan(plan) {}

    const RunPlan& plan;
    FrameRun run;
    bool started = false;
    bool done = false;
    bool inHook = false;
    double firstCpu = 0;
    double firstWall = 0;
    double lastCpu = 0;
    double lastWall = 0;

    void tick()
    {
        if (done || inHook)
            return;
        const double cpu = processCpuMs();
        const double wall = wallMs();
        if (started) {
            run.frameCpuMs.push_back(cpu - lastCpu);
            run.frameWallMs.push_back(wall - lastWall);
        } else {
            started = true;
            firstCpu = cpu;
            firstWall = wall;
        }
        lastCpu = cpu;
        lastWall = wall;
        if (wall - firstWall >= static_cast<double>(plan.duration.count())) {
            done = true;
            run.cpuMs = cpu - firstCpu;
            run.wallMs = wall - firstWall;
            if (plan.stop)
                QTimer::singleShot(0, QCoreApplication::instance(), plan.stop);
            return;
        }
        if (plan.afterTick) {
            inHook = true;
            plan.afterTick();
            inHook = false;
        }
    }
};

} // namespace

FrameRun runFrames(const RunPlan& plan, const std::function<void()>& start)
{
    Recorder recorder(plan);
    platform::Pacer::setTickObserver([&recorder] { recorder.tick(); });
    start();
    platform::Pacer::setTickObserver({});
    // A run that ended before its duration was up counts to its last tick.
    if (!recorder.done) {
        recorder.run.cpuMs = recorder.lastCpu - recorder.firstCpu;
        recorder.run.wallMs = recorder.lastWall - recorder.firstWall;
    }
    return recorder.run;
}

} // namespace bench
