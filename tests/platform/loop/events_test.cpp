// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <platform/drawing/surface.h>
#include <platform/loop/events.h>

#include <support/testing.h>

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using namespace std::chrono_literals;

class PacingOn {
public:
    PacingOn() { platform::Pacer::setEnabled(true); }
    ~PacingOn() { platform::Pacer::setEnabled(false); }
};

TEST(Events, DoEventsRunsPendingHandlersInsideTheCall)
{
    int ran = 0;
    testing_support::post([&] { ++ran; });
    testing_support::post([&] { ++ran; });
    EXPECT_EQ(ran, 0);
    platform::doEvents();
    EXPECT_EQ(ran, 2);
}

TEST(Events, PacedYieldsKeepASteadyClockWithoutBursts)
{
    PacingOn pacing;
    platform::Pacer pacer(std::chrono::nanoseconds(1'000'000'000 / 60));
    pacer.yield();
    QElapsedTimer clock;
    clock.start();
    std::vector<qint64> ticks;
    for (int frame = 0; frame < 30; ++frame) {
        if (frame == 10) {
            // One late frame: the clock waits for its next tick instead of hurrying.
            const auto until = std::chrono::steady_clock::now() + 40ms;
            while (std::chrono::steady_clock::now() < until) {}
        }
        pacer.yield();
        ticks.push_back(clock.nsecsElapsed());
    }
    const double period = 1e9 / 60;
    // 30 yields with one slow frame of 40 ms skip two ticks; the rest keep the clock.
    EXPECT_NEAR(ticks.back(), 32 * period, 0.05 * 32 * period);
    for (size_t i = 1; i < ticks.size(); ++i)
        EXPECT_GT(ticks[i] - ticks[i - 1], 0.5 * period) << "burst at frame " << i;
}

TEST(Events, HandlersRunWhileAPacedYieldWaits)
{
    PacingOn pacing;
    platform::Pacer pacer(20ms);
    pacer.yield();
    bool ran = false;
    testing_support::post([&] { ran = true; });
    pacer.yield();
    EXPECT_TRUE(ran);
}

TEST(Events, TheFrameYieldPutsTheDrawingOnTheScreen)
{
    PacingOn pacing;
    platform::Surface surface;
    surface.resize(100, 100);
    surface.show();
    platform::doEvents();
    surface.canvas().line(0, 0, 500, 500);
    EXPECT_FALSE(surface.canvas().takeDirty().isEmpty());
    surface.canvas().line(0, 0, 500, 500);
    platform::frameYield();
    EXPECT_TRUE(surface.canvas().takeDirty().isEmpty());
}

TEST(Events, DrawingOnAChildSurfaceReachesTheScreenWithinAFrame)
{
    QWidget window;
    window.resize(200, 200);
    auto* surface = new platform::Surface(&window);
    surface->setGeometry(10, 10, 100, 100);
    window.show();
    QTest::qWait(40);
    int paints = 0;
    struct PaintCounter : QObject {
        int& count;
        explicit PaintCounter(int& c) : count(c) {}
        bool eventFilter(QObject*, QEvent* e) override
        {
            count += e->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter(paints);
    surface->installEventFilter(&counter);
    surface->canvas().line(0, 0, 1000, 1000);
    QTest::qWait(40);
    EXPECT_EQ(paints, 1);
}

TEST(EventsDeathTest, EndFromNestedYieldsExitsAtOnceWithStatusZero)
{
    EXPECT_EXIT(
        {
            testing_support::post([] {
                testing_support::post([] { platform::end(); });
                platform::doEvents();
                std::_Exit(4);
            });
            platform::doEvents();
            std::_Exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
