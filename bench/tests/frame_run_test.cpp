// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <support/clocks.h>
#include <support/frame_run.h>

#include <platform/loop/events.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// An animation as the programs run one: a frame of work, then a yield through a pacer, until a
// handler run inside a yield halts it.
struct FakeAnimation {
    bool halted = false;
    int frames = 0;
    int stops = 0;
    double busyMs = 1;

    void run()
    {
        halted = false;
        platform::Pacer pacer(std::chrono::milliseconds(5));
        while (!halted) {
            const double until = bench::processCpuMs() + busyMs;
            while (bench::processCpuMs() < until) {}
            ++frames;
            pacer.yield();
        }
    }
    void stop()
    {
        ++stops;
        halted = true;
    }
};

class FrameRunTest : public ::testing::Test {
protected:
    void TearDown() override { platform::Pacer::setEnabled(true); }
};

TEST_F(FrameRunTest, UnpacedFramesCostTheirWorkAndTheRunStopsOnce)
{
    platform::Pacer::setEnabled(false);
    FakeAnimation animation;
    const bench::FrameRun run =
        bench::runFrames({200ms, [&animation] { animation.stop(); }, {}}, [&animation] { animation.run(); });
    EXPECT_EQ(animation.stops, 1);
    // One frame per pair of ticks recorded; the frame after the stop's yield is not recorded.
    EXPECT_GE(run.frames(), 20);
    EXPECT_LE(run.frames(), animation.frames - 1);
    EXPECT_GE(run.wallMs, 200);
    for (double cpu : run.frameCpuMs)
        EXPECT_GE(cpu, 0.95);
    // Other processes may take the core for a while, never more than it.
    EXPECT_GT(run.coreShare(), 0.3);
    EXPECT_LE(run.coreShare(), 1.05);
}

// The server's time is read from /proc in clock ticks; this process standing in for the server
// must show the same busy time the process clock shows.
TEST_F(FrameRunTest, AServerNamedByItsPidIsTimedOverTheSameSpan)
{
    platform::Pacer::setEnabled(false);
    setenv("BENCH_SERVER_PID", std::to_string(getpid()).c_str(), 1);
    FakeAnimation animation;
    const bench::FrameRun run =
        bench::runFrames({300ms, [&animation] { animation.stop(); }, {}}, [&animation] { animation.run(); });
    unsetenv("BENCH_SERVER_PID");
    EXPECT_NEAR(run.serverCpuMs, run.cpuMs, 25);
    EXPECT_GT(run.serverShare(), 0.3);
}

TEST_F(FrameRunTest, PacedFramesLeaveTheCoreMostlyIdle)
{
    platform::Pacer::setEnabled(true);
    FakeAnimation animation;
    const bench::FrameRun run =
        bench::runFrames({300ms, [&animation] { animation.stop(); }, {}}, [&animation] { animation.run(); });
    // 1 ms of work every 5 ms tick; a busy machine makes some ticks late, none early.
    EXPECT_GT(run.framesPerSecond(), 120);
    EXPECT_LT(run.framesPerSecond(), 205);
    EXPECT_GT(run.coreShare(), 0.1);
    EXPECT_LT(run.coreShare(), 0.5);
}

TEST_F(FrameRunTest, AWaitAfterEachTickIsPartOfTheFrameButNotAFrameOfItsOwn)
{
    platform::Pacer::setEnabled(false);
    FakeAnimation animation;
    animation.busyMs = 0.2;
    platform::Pacer slower(std::chrono::milliseconds(20));
    int waits = 0;
    const auto wait = [&slower, &waits] {
        ++waits;
        platform::Pacer::setEnabled(true);
        slower.yield();
        platform::Pacer::setEnabled(false);
    };
    const bench::FrameRun run =
        bench::runFrames({300ms, [&animation] { animation.stop(); }, wait}, [&animation] { animation.run(); });
    EXPECT_EQ(run.frames(), waits);
    EXPECT_GT(run.framesPerSecond(), 35);
    EXPECT_LT(run.framesPerSecond(), 51);
}

TEST_F(FrameRunTest, ARunThatEndsByItselfCountsToItsLastTick)
{
    platform::Pacer::setEnabled(false);
    platform::Pacer pacer(std::chrono::milliseconds(1));
    const bench::FrameRun run = bench::runFrames({60s, {}, {}}, [&pacer] {
        for (int i = 0; i < 10; ++i)
            pacer.yield();
    });
    EXPECT_EQ(run.frames(), 9);
    EXPECT_GT(run.wallMs, 0);
    EXPECT_LT(run.wallMs, 60'000);
}

} // namespace
