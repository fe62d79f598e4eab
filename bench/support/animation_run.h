#pragma once

#include <QObject>
#include <QTimer>

#include <chrono>
#include <ctime>
#include <utility>

namespace bench {

// What one run of an animation cost, from its start until it halted.
struct Run {
    double cpuSeconds = 0;
    double wallSeconds = 0;
};

// Starts an animation with `start`, which returns only when the animation halts, and halts it
// after `duration` with `stop`, run from the animation's own yields as a user's click would be.
template<typename Start, typename Stop>
Run timeAnimation(QObject* context, std::chrono::milliseconds duration, Start start, Stop stop)
{
    QTimer::singleShot(duration, context, std::move(stop));
    const std::clock_t cpuStart = std::clock();
    const auto wallStart = std::chrono::steady_clock::now();
    start();
    Run run;
    run.cpuSeconds = double(std::clock() - cpuStart) / CLOCKS_PER_SEC;
    run.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    return run;
}

} // namespace bench
