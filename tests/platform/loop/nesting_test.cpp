// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <platform/loop/events.h>
#include <platform/loop/nesting.h>

#include <support/testing.h>

#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <qpa/qwindowsysteminterface.h>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Counts the presses that reach it.
class PressTarget : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

// A press as the window system delivers it: queued, handled at the next yield.
void queuePress(QWidget& target)
{
    const QPointF at(10, 10);
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        target.windowHandle(), at, target.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
        target.windowHandle(), at, target.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
}

struct InputHoldTest : ::testing::Test {
    void SetUp() override
    {
        target.resize(100, 100);
        target.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&target));
    }
    PressTarget target;
};

TEST_F(InputHoldTest, InputWaitsWhileOtherEventsRun)
{
    int posted = 0;
    {
        platform::InputHold hold;
        queuePress(target);
        testing_support::post([&] { ++posted; });
        platform::doEvents();
        platform::doEvents();
        EXPECT_EQ(target.presses, 0);
        EXPECT_EQ(posted, 1);
        EXPECT_TRUE(platform::InputHold::holding());
    }
    EXPECT_FALSE(platform::InputHold::holding());
    platform::doEvents();
    EXPECT_EQ(target.presses, 1);
}

TEST_F(InputHoldTest, AnInactiveHoldHoldsNothing)
{
    const platform::InputHold hold(false);
    queuePress(target);
    platform::doEvents();
    EXPECT_EQ(target.presses, 1);
}

// A loop that ends on its own and yields at every step; a press in a yield starts another run
// inside it, as a right press starts a scan inside a running scan.
struct FiniteLoop {
    explicit FiniteLoop(int limit) : nesting(limit) {}

    void run()
    {
        const platform::LoopNesting::Level level(nesting, platform::LoopNesting::AtLimit::HoldInput);
        for (int step = 0; step < 20; ++step)
            platform::doEvents();
        ++finished;
    }

    platform::LoopNesting nesting;
    int finished = 0;
};

class NestingTarget : public QWidget {
public:
    std::function<void()> onPress;

protected:
    void mousePressEvent(QMouseEvent*) override { onPress(); }
};

// Queues one press at each yield until `count` presses were queued: a user far quicker than
// the loop.
void pressAtEveryYield(QWidget& target, int count)
{
    if (count == 0)
        return;
    queuePress(target);
    testing_support::post([&target, count] { pressAtEveryYield(target, count - 1); });
}

TEST(LoopNesting, AtItsLimitAFiniteLoopFinishesBeforeTheNextPressNests)
{
    FiniteLoop loop(3);
    NestingTarget target;
    target.resize(100, 100);
    target.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&target));
    target.onPress = [&] { loop.run(); };

    pressAtEveryYield(target, 10);
    for (int wait = 0; wait < 1000 && loop.finished < 10; ++wait)
        QTest::qWait(5);
    EXPECT_EQ(loop.finished, 10) << "every press ran its loop";
    EXPECT_EQ(loop.nesting.deepest(), 3);
    EXPECT_EQ(loop.nesting.depth(), 0);
    EXPECT_FALSE(platform::InputHold::holding());
}

TEST(LoopNesting, CountsLevelsAndRemembersTheDeepest)
{
    platform::LoopNesting nesting(2);
    EXPECT_FALSE(nesting.full());
    {
        const platform::LoopNesting::Level outer(nesting);
        EXPECT_FALSE(nesting.full());
        {
            const platform::LoopNesting::Level inner(nesting);
            EXPECT_EQ(nesting.depth(), 2);
            EXPECT_TRUE(nesting.full());
        }
        EXPECT_EQ(nesting.depth(), 1);
    }
    EXPECT_EQ(nesting.depth(), 0);
    EXPECT_EQ(nesting.deepest(), 2);
}

} // namespace
