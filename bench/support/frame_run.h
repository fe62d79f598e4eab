// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <chrono>
#include <functional>
#include <vector>

namespace bench {

// What the frames of one run cost. A frame lasts from one pacer tick to the next, so it holds
// the drawing and the yield that follows it; totals run from the first recorded tick to the last.
struct FrameRun {
    std::vector<double> frameCpuMs;
    std::vector<double> frameWallMs;
    double cpuMs = 0;
    double wallMs = 0;
    // The display server's CPU time over the same span; 0 without BENCH_SERVER_PID.
    double serverCpuMs = 0;

    int frames() const { return static_cast<int>(frameCpuMs.size()); }
    double framesPerSecond() const;
    // CPU time over wall time: 1 is one core kept busy.
    double coreShare() const;
    double serverShare() const;
};

struct RunPlan {
    // Recording ends at the first tick this long after the first one.
    std::chrono::milliseconds duration{};
    // Posted to the event queue when recording ends, so the animation's next yield runs it as
    // it would a user's click. Empty for a run that ends by itself.
    std::function<void()> stop;
    // Runs at every recorded tick once its time is taken: a wait of the benchmark's own, say.
    std::function<void()> afterTick;
};

// Calls `start`, which returns once the animation has halted, and records its ticks as the plan
// says. Ticks that arrive while `afterTick` runs are not frames of the run and are passed over.
FrameRun runFrames(const RunPlan& plan, const std::function<void()>& start);

// The cost of a running animation held by the lesson pause: CPU time over `duration` while it
// holds, then it goes on and `stop` ends it.
FrameRun runPaused(std::chrono::milliseconds duration, const std::function<void()>& stop,
                   const std::function<void()>& start);

// The same run with nothing drawn handed to the screen: what the program's own work costs.
FrameRun runWithheld(const RunPlan& plan, const std::function<void()>& start);

} // namespace bench
