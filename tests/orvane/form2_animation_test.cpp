// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <orvane/form1.h>
#include <orvane/form2.h>
#include <orvane/program.h>

#include <platform/loop/events.h>
#include <support/testing.h>

#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

namespace {

using testing_support::isLine;

using platform::Primitive;

const QColor green(0, 200, 0);
using testing_support::blue;
using testing_support::red;
const QColor grey(128, 128, 128);
using testing_support::white;
const QColor olive(128, 128, 18);
const QColor lightGrey(160, 160, 160);
using testing_support::black;

// Runs an action inside the yield `count` yields from now (1: the next one): each posted action
// runs in the first yield after it was posted.
void atYield(int count, std::function<void()> action)
{
    if (count <= 1)
        testing_support::post(std::move(action));
    else
        testing_support::post([count, action = std::move(action)] { atYield(count - 1, action); });
}

// Whether a vertical line drawn at x covers (x, y): the device pixel or its right neighbour, as
// the pen's rounding decides.
bool columnHas(const platform::Canvas& canvas, double x, double y, const QColor& colour)
{
    const QPoint p = canvas.devicePixel(x, y);
    for (int dx = -1; dx <= 1; ++dx) {
        const QPoint q(p.x() + dx, p.y());
        if (canvas.screen().rect().contains(q) && canvas.screen().pixelColor(q) == colour)
            return true;
    }
    return false;
}

class Form2Animation : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.form1().show();
        program.form1().onCommand2Click();
        waves().setRecording(true);
        panel().setRecording(true);
    }

    orvane::Form2& form() { return program.form2(); }
    platform::Canvas& waves() { return form().Picture1->canvas(); }
    platform::Canvas& panel() { return form().Picture2->canvas(); }

    // Starts the animation and stops it as the user would, from the first yield of frame n. A
    // frame yields 201 times, 203 when no point of the sweep is the selected one.
    void runFrames(int n, int yieldsPerFrame = 201)
    {
        atYield(yieldsPerFrame * (n - 1) + 1, [this] { form().onCommand1Click(); });
        form().onCommand1Click();
    }

    // The recorded lines of the wave surface at column x.
    std::vector<Primitive> linesAt(double x)
    {
        std::vector<Primitive> lines;
        for (const Primitive& p : waves().log())
            if (p.kind == Primitive::Kind::Line && p.x1 == x)
                lines.push_back(p);
        return lines;
    }

    orvane::Program program;
};

TEST_F(Form2Animation, AFrameDrawsTheMarkerThenBandsBeforeColumnsThenErasesTheMarker)
{
    runFrames(1);
    const auto& log = waves().log();
    ASSERT_FALSE(log.empty());
    orvane::Form2& f = form();
    const float marker1Y = f.phasor1Y;

    // Initial state: W1 only, point 50 selected.
    EXPECT_TRUE(isLine(log.front(), green, 4));
    EXPECT_EQ(log.front().x1, 1500);
    EXPECT_EQ(log.front().y1, 180);
    EXPECT_FLOAT_EQ(log.front().y2, 180 + marker1Y);
    ASSERT_GE(log.size(), 3u);
    for (std::size_t k = log.size() - 3; k < log.size(); ++k) {
        EXPECT_TRUE(isLine(log[k], white, 6));
        EXPECT_EQ(log[k].x1, 1500);
    }
    EXPECT_EQ(log[log.size() - 3].y1, 180);
    EXPECT_EQ(log[log.size() - 2].y1, 420);
    EXPECT_EQ(log[log.size() - 1].y1, 780);
    // 1 marker + 99 points of 3 bands and 1 column + 3 erasing lines.
    EXPECT_EQ(log.size(), 1u + 99u * 4u + 3u);

    const auto column = linesAt(30 * 10);
    ASSERT_EQ(column.size(), 4u);
    EXPECT_TRUE(isLine(column[0], white, 5));
    EXPECT_EQ(column[0].y1, 80);
    EXPECT_EQ(column[0].y2, 280);
    EXPECT_TRUE(isLine(column[1], white, 5));
    EXPECT_EQ(column[1].y1, 320);
    EXPECT_TRUE(isLine(column[2], white, 5));
    EXPECT_EQ(column[2].y1, 580);
    EXPECT_EQ(column[2].y2, 980);
    EXPECT_TRUE(isLine(column[3], grey, 2));
    const double phase = (10 + 7) * f.waveNumber;
    EXPECT_NEAR(column[3].y2, 180 + 100 * std::sin(phase), 1e-4);

    // Pixels: W1's columns stand, the W2 and sum rows are white, the marker is gone.
    const double top0 = 180 + 100 * std::sin(7 * f.waveNumber); // point 0: crest upwards
    EXPECT_TRUE(columnHas(waves(), 0, (180 + top0) / 2, grey));
    EXPECT_EQ(testing_support::countPixels(waves().screen(), green), 0);
    const QPoint w2Top = waves().devicePixel(-10, 320);
    const QPoint sumBottom = waves().devicePixel(2990, 980);
    EXPECT_EQ(testing_support::countPixels(waves().screen(), grey, QRect(w2Top, sumBottom)), 0);
    EXPECT_EQ(f.timePhase, f.phaseStep);
}

TEST_F(Form2Animation, ThePacedWaitComesWhileTheMarkerColumnsAndPhasorsStand)
{
    orvane::Form2& f = form();
    f.onCommand2Click();
    f.onCommand3Click();
    f.selectedPoint = 20;
    bool sawWait = false;
    bool markersStood = false;
    bool phasorsStood = false;
    int yieldsChecked = 0;
    std::function<void()> watch = [&] {
        ++yieldsChecked;
        // Inside the paced wait the frame clock runs an event loop; a plain yield runs none.
        if (QThread::currentThread()->loopLevel() > 0) {
            sawWait = true;
            const double x = 600;
            markersStood = columnHas(waves(), x, 180 + f.phasor1Y / 2, green)
                && columnHas(waves(), x, 420 + f.phasor2Y / 2, blue)
                && columnHas(waves(), x, 780 + (f.phasor1Y + f.phasor2Y) / 2, red);
            phasorsStood = testing_support::countPixels(panel().screen(), green) > 0
                && testing_support::countPixels(panel().screen(), olive) > 0;
            f.onCommand1Click();
            return;
        }
        if (yieldsChecked < 2000)
            testing_support::post(watch);
    };
    platform::Pacer::setEnabled(true);
    testing_support::post(watch);
    f.onCommand1Click();
    platform::Pacer::setEnabled(false);
    EXPECT_TRUE(sawWait);
    EXPECT_TRUE(markersStood);
    EXPECT_TRUE(phasorsStood);
    // The second yield of the frame, right after the phasor panel.
    EXPECT_EQ(yieldsChecked, 2);
    // At the frame's end the marker columns are erased again.
    EXPECT_EQ(testing_support::countPixels(waves().screen(), green), 0);
    EXPECT_EQ(testing_support::countPixels(waves().screen(), red), 0);
}

TEST_F(Form2Animation, EachFrameYields201Times)
{
    orvane::Form2& f = form();
    int yieldsOfSecondFrame = 0;
    int yields = 0;
    std::function<void()> count = [&] {
        ++yields;
        if (f.timePhase == f.phaseStep)
            ++yieldsOfSecondFrame;
        if (f.timePhase > f.phaseStep) {
            f.onCommand1Click();
            return;
        }
        testing_support::post(count);
    };
    testing_support::post(count);
    f.onCommand1Click();
    // The last yield of frame 1 (after the time advanced) and the 200 of frame 2 before its end.
    EXPECT_EQ(yieldsOfSecondFrame, 201);
    EXPECT_EQ(yields, 2 * 201);
}

TEST_F(Form2Animation, WithTheSumOnButW2OffOnlyW1IsDrawn)
{
    orvane::Form2& f = form();
    f.onCommand3Click();
    f.onCommand4Click(); // vector-sum display
    runFrames(1);
    for (const Primitive& p : waves().log())
        EXPECT_TRUE(p.colour == green || p.colour == white || p.colour == grey) << p.colour.name().toStdString();
    EXPECT_EQ(linesAt(300).size(), 4u);

    // Panel: phasor 1, axis, its projection, zero line and its bar; no blue, red or circle.
    const auto& log = panel().log();
    ASSERT_EQ(log.size(), 6u);
    EXPECT_EQ(log[0].kind, Primitive::Kind::Clear);
    EXPECT_TRUE(isLine(log[1], green, 3));
    EXPECT_EQ(log[1].x1, 0);
    EXPECT_FLOAT_EQ(log[1].x2, f.tip1X);
    EXPECT_TRUE(isLine(log[2], grey, 1));
    EXPECT_EQ(log[2].x1, 130);
    EXPECT_TRUE(isLine(log[3], grey, 1));
    EXPECT_FLOAT_EQ(log[3].y2, f.tip1Y);
    EXPECT_TRUE(isLine(log[4], grey, 1));
    EXPECT_EQ(log[4].y2, 0);
    EXPECT_TRUE(isLine(log[5], green, 3));
    EXPECT_EQ(log[5].x1, 125);
}

TEST_F(Form2Animation, AllRowsAndTheSidebySidePhasorsWithW2AndTheSumOn)
{
    orvane::Form2& f = form();
    f.onCommand2Click();
    f.onCommand3Click();
    runFrames(2);
    const auto& log = panel().log();
    // The second frame's panel, after its Cls.
    const auto clear =
        std::find_if(log.rbegin(), log.rend(), [](const Primitive& p) { return p.kind == Primitive::Kind::Clear; });
    std::vector<Primitive> frame(clear.base(), log.end());
    ASSERT_EQ(frame.size(), 9u);
    EXPECT_TRUE(isLine(frame[0], green, 3)); // the pen width left from the first frame
    EXPECT_FLOAT_EQ(frame[0].x2, 0.6F * f.phasor1X);
    EXPECT_TRUE(isLine(frame[1], blue, 3));
    EXPECT_EQ(frame[2].kind, Primitive::Kind::Circle);
    EXPECT_EQ(frame[2].colour, olive);
    EXPECT_EQ(frame[2].width, 1);
    EXPECT_DOUBLE_EQ(frame[2].radius, 60);
    EXPECT_TRUE(isLine(frame[3], grey, 1));
    EXPECT_TRUE(isLine(frame[4], grey, 1));
    EXPECT_TRUE(isLine(frame[5], grey, 1));
    EXPECT_NEAR(frame[5].y2, 0.6 * f.phasor2Y, 1e-4);
    EXPECT_TRUE(isLine(frame[6], grey, 1));
    EXPECT_TRUE(isLine(frame[7], green, 3));
    EXPECT_EQ(frame[7].x1, 135);
    EXPECT_TRUE(isLine(frame[8], blue, 3));
    EXPECT_EQ(frame[8].x1, 125);

    // The first frame's panel began with the pen width of a new panel.
    EXPECT_TRUE(isLine(log[1], green, 1));

    // On the surface: the three marker columns and every row's columns.
    const auto& wl = waves().log();
    EXPECT_TRUE(isLine(wl[0], green, 4));
    EXPECT_TRUE(isLine(wl[1], blue, 4));
    EXPECT_TRUE(isLine(wl[2], red, 4));
    EXPECT_FLOAT_EQ(wl[2].y2, 780 + wl[0].y2 - 180 + wl[1].y2 - 420);
    const auto column = linesAt(300);
    ASSERT_EQ(column.size(), 12u);
    EXPECT_TRUE(isLine(column[9], grey, 2));
    EXPECT_TRUE(isLine(column[10], grey, 2));
    EXPECT_TRUE(isLine(column[11], grey, 2));
    EXPECT_EQ(column[11].y1, 780);
    const double sum = std::sin((10 + 7) * f.waveNumber + f.phaseStep) + std::sin(10 * f.waveNumber + f.phaseStep);
    EXPECT_NEAR(column[11].y2, 780 + 100 * sum, 1e-3);
    const double top = 780 + 100 * sum;
    EXPECT_TRUE(columnHas(waves(), 300, (780 + top) / 2, grey));
}

TEST_F(Form2Animation, TheVectorSumWithW2OnAndTheSumOffDrawsTheRedBarButNoResultant)
{
    orvane::Form2& f = form();
    f.onCommand2Click();
    f.onCommand4Click();
    runFrames(1);
    const auto& log = panel().log();
    ASSERT_EQ(log.size(), 1u + 10u);
    EXPECT_TRUE(isLine(log[1], green, 3));
    EXPECT_TRUE(isLine(log[2], blue, 3));
    EXPECT_FLOAT_EQ(log[2].x1, f.tip1X);
    EXPECT_FLOAT_EQ(log[2].x2, f.tipSumX);
    EXPECT_TRUE(isLine(log[3], red, 3)); // the bar of the sum
    EXPECT_EQ(log[3].x1, 135);
    EXPECT_NEAR(log[3].y2, f.tipSumY, 1e-4);
    EXPECT_EQ(log[4].kind, Primitive::Kind::Circle);
    EXPECT_EQ(log[4].colour, lightGrey);
    EXPECT_NEAR(log[4].radius, std::hypot(f.tipSumX, f.tipSumY), 1e-4);
    EXPECT_TRUE(isLine(log[10], blue, 3));
    EXPECT_EQ(log[10].x1, 130);
    EXPECT_FLOAT_EQ(log[10].y1, f.tip1Y);
    EXPECT_FLOAT_EQ(log[10].y2, f.tipSumY);
    const int redLines =
        static_cast<int>(std::count_if(log.begin(), log.end(), [](const Primitive& p) { return p.colour == red; }));
    EXPECT_EQ(redLines, 1);

    // With the sum on as well, the resultant closes the triangle back to the origin.
    panel().clearLog();
    f.onCommand3Click();
    runFrames(1);
    ASSERT_GE(panel().log().size(), 4u);
    const Primitive& resultant = panel().log()[3];
    EXPECT_TRUE(isLine(resultant, red, 3));
    EXPECT_FLOAT_EQ(resultant.x1, f.tipSumX);
    EXPECT_EQ(resultant.x2, 0);
    EXPECT_EQ(resultant.y2, 0);
}

TEST_F(Form2Animation, AtSpeedZeroTheFramesGoOnWithStandingWaves)
{
    orvane::Form2& f = form();
    f.HScroll2->setValue(800);
    runFrames(3);
    EXPECT_EQ(f.timePhase, 0);
    const auto markers = std::count_if(waves().log().begin(), waves().log().end(),
                                       [](const Primitive& p) { return isLine(p, green, 4); });
    const auto erasers = std::count_if(waves().log().begin(), waves().log().end(),
                                       [](const Primitive& p) { return isLine(p, white, 6); });
    EXPECT_EQ(markers, 3);
    EXPECT_EQ(erasers, 9);
    const auto column = linesAt(300);
    ASSERT_EQ(column.size(), 12u);
    EXPECT_EQ(column[3].y2, column[11].y2);
}

TEST_F(Form2Animation, ASelectionOutsideTheTablesSkipsTheMarkerAndTheAnimationGoesOn)
{
    orvane::Form2& f = form();
    f.onPicture1MouseMove(1, 0, -150, 500); // dragged beyond the left edge: point -5
    ASSERT_EQ(f.selectedPoint, -5);
    runFrames(2, 203);
    EXPECT_EQ(f.timePhase, 2 * f.phaseStep);
    for (const Primitive& p : waves().log())
        EXPECT_FALSE(p.width == 4 || p.width == 6);
    EXPECT_EQ(waves().log().size(), 2u * 100u * 4u); // every point, none skipped as selected

    waves().clearLog();
    f.onPicture1MouseMove(1, 0, 9000, 500); // far beyond the right edge: point 300
    ASSERT_EQ(f.selectedPoint, 300);
    runFrames(1);
    EXPECT_EQ(waves().log().size(), 100u * 4u);

    // Points 100 to 200 lie in the tables, whose entries there are 0.
    waves().clearLog();
    f.onPicture1MouseMove(1, 0, 4500, 500);
    ASSERT_EQ(f.selectedPoint, 150);
    runFrames(1);
    const auto& log = waves().log();
    EXPECT_TRUE(isLine(log.front(), green, 4));
    EXPECT_EQ(log.front().x1, 0);
    EXPECT_EQ(log.front().y1, 0);
    EXPECT_TRUE(isLine(log.back(), white, 6));
}

TEST_F(Form2Animation, AMovedSelectionLeavesTheOldMarkerUntilTheNextFramesBands)
{
    orvane::Form2& f = form();
    f.selectedPoint = 40;
    // Points 0 to 39 yield twice each after the frame's first two yields; point 40 is skipped, so
    // yield 83 comes after point 41's bands: the sweep has passed point 40.
    atYield(83, [&] { f.onCommand5MouseDown(2, 0, 0, 0); });
    runFrames(1);
    ASSERT_EQ(f.selectedPoint, 41);
    const QRect column40(waves().devicePixel(1200, 0) - QPoint(4, 0), waves().devicePixel(1200, 1000) + QPoint(4, 0));
    EXPECT_GT(testing_support::countPixels(waves().screen(), green, column40), 0);
    const auto at41 = linesAt(1230);
    EXPECT_TRUE(std::any_of(at41.begin(), at41.end(), [](const Primitive& p) { return isLine(p, white, 6); }));

    runFrames(1);
    EXPECT_EQ(testing_support::countPixels(waves().screen(), green), 0);
    const auto at40 = linesAt(1200);
    ASSERT_EQ(at40.size(), 1u + 4u);
    EXPECT_TRUE(isLine(at40[0], green, 4));
    EXPECT_TRUE(isLine(at40[1], white, 5));
}

TEST_F(Form2Animation, HaltedRedrawCutsTheWavesInWhiteIntoDarkBandsOneStepBack)
{
    orvane::Form2& f = form();
    f.onCommand2Click();
    f.HScroll1->setValue(30);
    const auto column = linesAt(1500); // the selected point is included
    ASSERT_EQ(column.size(), 5u);
    for (int k = 0; k < 3; ++k)
        EXPECT_TRUE(isLine(column[k], black, 1));
    EXPECT_EQ(column[2].y1, 580);
    EXPECT_EQ(column[2].y2, 980);
    EXPECT_TRUE(isLine(column[3], white, 1));
    const double k = f.waveNumber;
    EXPECT_NEAR(column[3].y2, 180 + 100 * std::sin((50 + 7) * k - 1.0 / 30), 1e-3);
    EXPECT_NEAR(column[4].y2, 420 + 100 * std::sin(50 * k - 1.0 / 30), 1e-3);

    // Pixels at point 0: the band dark beyond the wave, the wave white in it.
    const double top = 180 + 100 * std::sin(7 * k - 1.0 / 30);
    ASSERT_LT(top, 100);
    EXPECT_TRUE(columnHas(waves(), 0, (180 + top) / 2, white));
    EXPECT_TRUE(columnHas(waves(), 0, 250, black));

    // After a frame the pen width is 2.
    runFrames(1);
    waves().clearLog();
    f.HScroll3->setValue(3);
    EXPECT_TRUE(isLine(waves().log().front(), black, 2));
}

TEST_F(Form2Animation, ANestedPointLoopEndsTheOuterSweepEarly)
{
    orvane::Form2& f = form();
    // In the first yield of the redraw the phase-shift slider runs a whole redraw of its own.
    testing_support::post([&] { f.HScroll3->setValue(8); });
    f.HScroll1->setValue(30);
    const auto& log = waves().log();
    const auto bands = std::count_if(log.begin(), log.end(), [](const Primitive& p) { return p.colour == black; });
    // The outer redraw banded point 0 only, then found the shared counter past its bound.
    EXPECT_EQ(bands, 3 * 101);
    // Its last column went to the counter's place, index 100, whose table entries are 0.
    EXPECT_EQ(log.back().x1, 0);
    EXPECT_EQ(log.back().y1, 0);
    EXPECT_EQ(f.pointIndex, 101);
}

TEST_F(Form2Animation, StartingTheAnimationInsideAHaltedRedrawCutsTheRedrawShort)
{
    orvane::Form2& f = form();
    testing_support::post([&] {
        atYield(202, [&] { f.onCommand1Click(); }); // stop in the second frame
        f.onCommand1Click();
    });
    f.HScroll1->setValue(20);
    EXPECT_EQ(f.halted, 1);
    EXPECT_EQ(f.timePhase, 2 * f.phaseStep);
    EXPECT_FALSE(f.isVisible());
    // The redraw banded only its first point before the animation ran.
    const auto bands =
        std::count_if(waves().log().begin(), waves().log().end(), [](const Primitive& p) { return p.colour == black; });
    EXPECT_EQ(bands, 3);
}

TEST_F(Form2Animation, QuickRestartsNestFrameLoopsOnlyUpToTheLimit)
{
    orvane::Form2& f = form();
    waves().setRecording(false);
    panel().setRecording(false);
    // Menu, "Zeigerformalismus" and Start at three yields in a row, 300 times: each restart
    // comes before the halted loop reaches its frame top.
    int restarts = 0;
    std::function<void()> restart = [&] {
        f.onCommand1Click();
        atYield(1, [&] {
            program.form1().onCommand2Click();
            atYield(1, [&] {
                if (++restarts < 300)
                    atYield(1, restart);
                else
                    atYield(1, [&] { f.onCommand1Click(); });
                f.onCommand1Click();
            });
        });
    };
    atYield(1, restart);
    f.onCommand1Click();
    EXPECT_EQ(restarts, 300);
    EXPECT_EQ(f.animations().deepest(), f.animations().limit());
    EXPECT_EQ(f.animations().depth(), 0);
    EXPECT_EQ(f.halted, 1);
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(program.form1().isVisible());
}

TEST_F(Form2Animation, SlidersAtBothEndsWhileRunningKeepTheAnimationGoing)
{
    orvane::Form2& f = form();
    f.onCommand2Click();
    f.onCommand3Click();
    atYield(50, [&] {
        f.HScroll1->setValue(15);
        f.HScroll2->setValue(1000);
        f.HScroll3->setValue(50);
    });
    atYield(300, [&] {
        f.HScroll1->setValue(42);
        f.HScroll2->setValue(800);
        f.HScroll3->setValue(0);
    });
    runFrames(3);
    EXPECT_EQ(f.wavelength, 42);
    EXPECT_EQ(f.speed, 0);
    EXPECT_EQ(f.phaseShift, 0);
    EXPECT_EQ(f.halted, 1);
}

} // namespace
