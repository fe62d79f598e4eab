// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <tilmora/form1.h>

#include <platform/widgets/numbers.h>

#include <support/testing.h>

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

using platform::Primitive;
using testing_support::post;

using testing_support::black;
const QColor wave1Colour(128, 255, 0);
const QColor wave2Colour(0, 200, 255);
const QColor sumColour(255, 128, 0);

class AnimationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        window.Picture1->canvas().setRecording(true);
    }

    // Starts the animation and stops it at its first yield, as a second click would: the loop
    // then completes the one sweep it has begun.
    void runOneFrame()
    {
        post([this] { window.onCommand3Click(); });
        window.onCommand3Click();
    }

    // Runs `action` at the yield `count` yields from now, counting every yield of the loop.
    void atYield(int count, std::function<void()> action)
    {
        if (count <= 1) {
            post(std::move(action));
            return;
        }
        post([this, count, action] { atYield(count - 1, action); });
    }

    // Bars drawn in a colour, from the recorded lines of Picture1.
    std::vector<Primitive> linesIn(const QColor& colour) const
    {
        std::vector<Primitive> found;
        for (const Primitive& p : window.Picture1->canvas().log())
            if (p.kind == Primitive::Kind::Line && p.colour == colour)
                found.push_back(p);
        return found;
    }

    double barEnd(double baseline, float phase) const { return baseline + 100 * std::sin(double(phase)); }

    tilmora::form1 window;
};

TEST_F(AnimationTest, OneSweepErasesThenDrawsEachColumnOfW1)
{
    runOneFrame();
    EXPECT_EQ(window.halted, 1);
    EXPECT_EQ(window.pointIndex, 100);
    EXPECT_EQ(window.timePhase, window.phaseStep);
    EXPECT_EQ(window.Picture2->canvas().drawWidth(), 3);

    const auto& log = window.Picture1->canvas().log();
    // The start click's marker, then per column three erasing lines and the W1 bar; the stop
    // click draws the marker again at its first yield.
    const auto bars = linesIn(wave1Colour);
    ASSERT_EQ(bars.size(), 100u);
    EXPECT_TRUE(linesIn(wave2Colour).empty());
    EXPECT_TRUE(linesIn(sumColour).empty());
    for (int i : {0, 17, 99}) {
        SCOPED_TRACE(i);
        const Primitive& bar = bars[i];
        EXPECT_EQ(bar.x1, 30 * i);
        EXPECT_EQ(bar.y1, 180);
        const float phase = static_cast<float>(i * window.waveNumber);
        EXPECT_DOUBLE_EQ(bar.y2, barEnd(180, phase));
        EXPECT_EQ(bar.width, 2);
        // Found after the three erasing lines of its own column, in the foreground colour.
        const auto at = std::find_if(log.begin(), log.end(),
                                     [&](const Primitive& p) { return p.colour == wave1Colour && p.x1 == 30 * i; });
        ASSERT_GE(at - log.begin(), 3);
        EXPECT_EQ((at - 3)->colour, black);
        EXPECT_EQ((at - 3)->y1, 80);
        EXPECT_EQ((at - 3)->y2, 280);
        EXPECT_EQ((at - 2)->y1, 320);
        EXPECT_EQ((at - 1)->y1, 580);
        EXPECT_EQ((at - 1)->y2, 980);
    }

    // What the user sees: the bar of column 10, half way from its baseline, in W1's colour.
    const double end = bars[10].y2;
    ASSERT_GT(std::abs(end - 180), 20);
    EXPECT_EQ(window.Picture1->canvas().pixel(300, (180 + end) / 2), wave1Colour);
    EXPECT_EQ(window.Picture1->canvas().pixel(300, 420), black);
}

TEST_F(AnimationTest, WaveTwoAndTheSumAddTheirRowsInPhase)
{
    window.onCommand1Click();
    window.onCommand5Click();
    runOneFrame();
    const auto w1 = linesIn(wave1Colour);
    const auto w2 = linesIn(wave2Colour);
    const auto sum = linesIn(sumColour);
    ASSERT_EQ(w2.size(), 100u);
    ASSERT_EQ(sum.size(), 100u);
    for (int i = 0; i < 100; ++i) {
        // Without a path difference W1 and W2 agree and the sum is twice as long.
        EXPECT_NEAR(w2[i].y2 - 420, w1[i].y2 - 180, 1e-9);
        EXPECT_NEAR(sum[i].y2 - 780, 2 * (w1[i].y2 - 180), 1e-9);
    }
    const double longest = std::max_element(sum.begin(), sum.end(), [](const Primitive& a, const Primitive& b) {
                               return std::abs(a.y2 - 780) < std::abs(b.y2 - 780);
                           })->y2;
    EXPECT_NEAR(std::abs(longest - 780), 200, 5);
    EXPECT_EQ(window.Picture1->canvas().pixel(w2[10].x1, (420 + w2[10].y2) / 2), wave2Colour);
    EXPECT_EQ(window.Picture1->canvas().pixel(sum[10].x1, (780 + sum[10].y2) / 2), sumColour);
}

TEST_F(AnimationTest, HalfAWavelengthOfPathDifferenceCancelsTheSum)
{
    window.HScroll3->setValue(15);
    window.onCommand1Click();
    window.onCommand5Click();
    runOneFrame();
    const auto sum = linesIn(sumColour);
    ASSERT_EQ(sum.size(), 100u);
    for (const Primitive& bar : sum)
        EXPECT_NEAR(bar.y2, 780, 1e-3);
    // W1 at column i has W2's phase at column i + 15.
    const auto w1 = linesIn(wave1Colour);
    const auto w2 = linesIn(wave2Colour);
    EXPECT_NEAR(w1[10].y2 - 180, w2[25].y2 - 420, 1e-3);
}

TEST_F(AnimationTest, TheSumNeedsWaveTwo)
{
    window.onCommand5Click();
    runOneFrame();
    EXPECT_TRUE(linesIn(sumColour).empty());
    EXPECT_TRUE(linesIn(wave2Colour).empty());
}

TEST_F(AnimationTest, RowsSwitchedOffAreErasedColumnByColumn)
{
    window.onCommand1Click();
    window.onCommand5Click();
    runOneFrame();
    const QImage& screen = window.Picture1->canvas().screen();
    EXPECT_GT(testing_support::countPixels(screen, wave2Colour), 0);
    EXPECT_GT(testing_support::countPixels(screen, sumColour), 0);
    window.onCommand1Click();
    runOneFrame();
    EXPECT_EQ(testing_support::countPixels(screen, wave2Colour), 0);
    EXPECT_EQ(testing_support::countPixels(screen, sumColour), 0);
    EXPECT_GT(testing_support::countPixels(screen, wave1Colour), 0);
}

TEST_F(AnimationTest, StoppingTakesEffectAtTheEndOfTheSweep)
{
    // Stop half way through the first sweep: the columns to its right are still drawn.
    atYield(100, [this] { QTest::mouseClick(window.Command3, Qt::LeftButton); });
    QTest::mouseClick(window.Command3, Qt::LeftButton);
    EXPECT_EQ(window.halted, 1);
    EXPECT_EQ(window.Label10->backColor(), QColor(255, 0, 0));
    EXPECT_EQ(linesIn(wave1Colour).size(), 100u);
    EXPECT_EQ(window.timePhase, window.phaseStep);

    // A restart goes on from the time phase reached.
    runOneFrame();
    EXPECT_EQ(window.timePhase, window.phaseStep + window.phaseStep);
}

TEST_F(AnimationTest, StartingShowsItsCaptionAndMarker)
{
    bool checked = false;
    post([&] {
        EXPECT_EQ(window.Label10->backColor(), QColor(0, 255, 0));
        EXPECT_EQ(window.Text4->text(), "                 Welle W1");
        EXPECT_EQ(window.Picture1->canvas().pixel(1507, 500), QColor(255, 255, 255));
        window.onCommand3Click();
        window.onCommand1Click();
        window.onCommand3Click(); // nested, now with wave 2
        checked = true;
    });
    atYield(3, [&] {
        EXPECT_EQ(window.Text4->text(), "        Wellen W1 und W2");
        window.onCommand3Click();
    });
    window.onCommand3Click();
    EXPECT_TRUE(checked);
    EXPECT_TRUE(window.Text4->text().isEmpty());
}

TEST_F(AnimationTest, ANestedLoopEndsTheOuterSweepThroughTheSharedCounter)
{
    // The outer sweep is in column 0 when the user stops and starts again; the nested loop runs
    // one whole frame, after which the outer loop draws column 0 and finds its sweep done.
    atYield(2, [this] {
        EXPECT_EQ(window.pointIndex, 0);
        window.onCommand3Click();
        post([this] { window.onCommand3Click(); });
        window.onCommand3Click();
        EXPECT_EQ(window.pointIndex, 100);
    });
    window.onCommand3Click();
    EXPECT_EQ(window.halted, 1);
    EXPECT_EQ(window.pointIndex, 101);
    EXPECT_EQ(linesIn(wave1Colour).size(), 101u);
    EXPECT_FLOAT_EQ(window.timePhase, 2 * window.phaseStep);
}

TEST_F(AnimationTest, HundredsOfQuickStartClicksUnwindCleanly)
{
    window.Picture1->canvas().setRecording(false);
    int clicks = 0;
    std::function<void()> click = [&] {
        if (++clicks < 399)
            post(click);
        QTest::mouseClick(window.Command3, Qt::LeftButton);
    };
    post(click);
    // 400 clicks, each at the next yield of the innermost loop: every stop and start within one
    // sweep nests a loop up to the nesting limit, beyond which the innermost loop goes on; the
    // last click stops them all.
    QTest::mouseClick(window.Command3, Qt::LeftButton);
    EXPECT_EQ(clicks, 399);
    EXPECT_EQ(window.frameLoops().deepest(), window.frameLoops().limit());
    EXPECT_EQ(window.frameLoops().depth(), 0);
    EXPECT_EQ(window.halted, 1);
    EXPECT_EQ(window.Label10->backColor(), QColor(255, 0, 0));
    // The window still answers a plain start and stop.
    window.Picture1->canvas().setRecording(true);
    runOneFrame();
    EXPECT_EQ(linesIn(wave1Colour).size(), 100u);
}

TEST_F(AnimationTest, SlidersAtBothEndsWhileRunningKeepEverythingInBounds)
{
    window.Picture1->canvas().setRecording(false);
    window.onCommand1Click();
    window.onCommand5Click();
    window.onCommand7Click();
    const std::vector<std::function<void()>> moves{
        [this] { window.HScroll1->setValue(15); },   [this] { window.HScroll3->setValue(50); },
        [this] { window.HScroll2->setValue(1000); }, [this] { window.HScroll1->setValue(40); },
        [this] { window.HScroll3->setValue(0); },    [this] { window.HScroll2->setValue(1); },
        [this] { window.HScroll3->setValue(50); },
    };
    for (std::size_t k = 0; k < moves.size(); ++k)
        atYield(int(40 * k + 1), moves[k]);
    atYield(int(40 * moves.size() + 1), [this] { window.onCommand3Click(); });
    window.onCommand3Click();
    EXPECT_EQ(window.wavelength, 40);
    EXPECT_EQ(window.pathDifference, 50);
    EXPECT_EQ(window.stretchFactor, 10.0f);
    EXPECT_EQ(window.pointIndex, 100);
}

TEST_F(AnimationTest, TimeStretchingWhileRunningRewindsAndGoesOnAtTheNewSpeed)
{
    atYield(50, [this] { window.HScroll2->setValue(501); });
    atYield(51, [this] { window.onCommand3Click(); });
    window.onCommand3Click();
    EXPECT_EQ(window.stretchFactor, 5.0f);
    EXPECT_EQ(window.timePhase, 5.0f / 30);
}

using AnimationDeathTest = AnimationTest;

TEST_F(AnimationDeathTest, ClosingWhileRunningEndsWithStatusZero)
{
    EXPECT_EXIT(
        {
            atYield(30, [this] { window.close(); });
            window.onCommand3Click();
            std::_Exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
