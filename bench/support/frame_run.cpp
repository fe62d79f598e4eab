// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "frame_run.h"

#include "clocks.h"

#include <platform/loop/benchmark_probe.h>
#include <platform/loop/events.h>
#include <platform/loop/frame_boundary.h>

#include <QCoreApplication>
#include <QTimer>

#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>

namespace bench {

double FrameRun::framesPerSecond() const
{
    return wallMs > 0 ? 1e3 * frames() / wallMs : 0;
}

double FrameRun::coreShare() const
{
    return wallMs > 0 ? cpuMs / wallMs : 0;
}

double FrameRun::serverShare() const
{
    return wallMs > 0 ? serverCpuMs / wallMs : 0;
}

namespace {

// User and system time of the process named by BENCH_SERVER_PID (the display server the
// window draws through), from /proc/<pid>/stat; 0 when none is named or it cannot be read.
double serverCpuMs()
{
    const std::string pid = qEnvironmentVariable("BENCH_SERVER_PID").toStdString();
    if (pid.empty())
        return 0;
    std::ifstream file("/proc/" + pid + "/stat");
    std::string line;
    std::getline(file, line);
    // The command name in parentheses may hold blanks; utime and stime are the 12th and 13th
    // fields after it.
    const auto nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos)
        return 0;
    std::istringstream fields(line.substr(nameEnd + 1));
    std::string skipped;
    for (int i = 0; i < 11; ++i)
        fields >> skipped;
    double utime = 0;
    double stime = 0;
    fields >> utime >> stime;
    return 1e3 * (utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

struct Recorder {
    explicit Recorder(const RunPlan& plan) : plan(plan) {}

    const RunPlan& plan;
    FrameRun run;
    bool started = false;
    bool done = false;
    bool inHook = false;
    double firstCpu = 0;
    double firstServerCpu = 0;
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
            firstServerCpu = serverCpuMs();
            firstWall = wall;
        }
        lastCpu = cpu;
        lastWall = wall;
        if (wall - firstWall >= static_cast<double>(plan.duration.count())) {
            done = true;
            run.cpuMs = cpu - firstCpu;
            run.wallMs = wall - firstWall;
            run.serverCpuMs = serverCpuMs() - firstServerCpu;
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
    platform::setTickObserver([&recorder] { recorder.tick(); });
    start();
    platform::setTickObserver({});
    // A run that ended before its duration was up counts to its last tick.
    if (!recorder.done) {
        recorder.run.cpuMs = recorder.lastCpu - recorder.firstCpu;
        recorder.run.wallMs = recorder.lastWall - recorder.firstWall;
        recorder.run.serverCpuMs = serverCpuMs() - recorder.firstServerCpu;
    }
    return recorder.run;
}

} // namespace bench

namespace bench {

FrameRun runWithheld(const RunPlan& plan, const std::function<void()>& start)
{
    platform::setScreenWithheld(true);
    FrameRun run = runFrames(plan, start);
    platform::setScreenWithheld(false);
    return run;
}

FrameRun runPaused(std::chrono::milliseconds duration, const std::function<void()>& stop,
                   const std::function<void()>& start)
{
    using namespace std::chrono_literals;
    FrameRun run;
    platform::FrameBoundary& boundary = platform::FrameBoundary::instance();
    double cpu = 0;
    double wall = 0;
    double server = 0;
    // Paused after a few frames; measured once the hold has settled; then let go and stopped.
    QTimer::singleShot(200ms, [&] {
        boundary.setPaused(true);
        QTimer::singleShot(100ms, [&] {
            cpu = processCpuMs();
            wall = wallMs();
            server = serverCpuMs();
            QTimer::singleShot(duration, [&] {
                run.cpuMs = processCpuMs() - cpu;
                run.wallMs = wallMs() - wall;
                run.serverCpuMs = serverCpuMs() - server;
                boundary.setPaused(false);
                QTimer::singleShot(0, stop);
            });
        });
    });
    start();
    return run;
}

} // namespace bench
