// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <orvane/form1.h>
#include <orvane/form3.h>
#include <orvane/program.h>

#include <platform/loop/events.h>
#include <platform/loop/frame_boundary.h>
#include <platform/widgets/layout.h>
#include <support/testing.h>

#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>

namespace {

using platform::Primitive;

using testing_support::red;
using testing_support::white;

constexpr int samples = 1201;

// The bars drawn into the plot so far, as the recording shows them.
std::vector<Primitive> bars(const orvane::Form3& form)
{
    std::vector<Primitive> found;
    for (const Primitive& p : form.Picture1->canvas().log()) {
        if (p.kind == Primitive::Kind::Line)
            found.push_back(p);
    }
    return found;
}

double height(const Primitive& bar)
{
    return 800 - bar.y2;
}

// Index of the sample at cut coordinate s.
std::size_t at(double s)
{
    return static_cast<std::size_t>(std::lround((s + 3000) / 5));
}

// Runs action inside the first yield at which ready() holds, as a user's action would run.
void postWhen(std::function<bool()> ready, std::function<void()> action)
{
    testing_support::post([ready, action] {
        if (ready())
            action();
        else
            postWhen(ready, action);
    });
}

struct ScanFixture : ::testing::Test {
    void SetUp() override
    {
        form.show();
        form.Picture1->canvas().setRecording(true);
    }

    std::function<bool()> barsReach(std::size_t count)
    {
        return [this, count] { return bars(form).size() >= count; };
    }

    orvane::Program program;
    orvane::Form3& form = program.form3();
};

using Form3Scan = ScanFixture;

TEST_F(Form3Scan, FarCutPlotsTheDistributionAndMarksTheCut)
{
    form.canvas().setRecording(true);
    form.onMouseDown(2, 0, 2000, 123);

    const auto& log = form.Picture1->canvas().log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().kind, Primitive::Kind::Clear);
    const std::vector<Primitive> b = bars(form);
    ASSERT_EQ(b.size(), static_cast<std::size_t>(samples));
    for (std::size_t k = 0; k < b.size(); ++k) {
        EXPECT_EQ(b[k].x1, -3000.0 + 5.0 * k);
        EXPECT_EQ(b[k].x2, b[k].x1);
        EXPECT_EQ(b[k].y1, 800);
        EXPECT_EQ(b[k].colour, red);
        EXPECT_EQ(b[k].width, 1);
    }
    EXPECT_NEAR(height(b[at(0)]), 554.85, 0.01) << "the tallest bar";
    for (const Primitive& bar : b)
        EXPECT_LE(height(bar), height(b[at(0)]) + 1e-3);
    std::size_t minimum = at(0);
    for (std::size_t k = at(0); k <= at(1000); ++k) {
        if (height(b[k]) < height(b[minimum]))
            minimum = k;
    }
    EXPECT_EQ(b[minimum].x1, 595) << "the first minimum";
    EXPECT_NEAR(height(b[minimum]), 46.09, 0.01);
    EXPECT_NEAR(height(b.front()), 22.84, 0.01);
    EXPECT_NEAR(height(b.back()), 22.84, 0.01);
    for (std::size_t k = 0; k < b.size(); ++k)
        EXPECT_NEAR(height(b[k]), height(b[b.size() - 1 - k]), 1e-3) << "symmetric about s = 0";
    EXPECT_NEAR(form.amplitude, height(b.back()), 1e-4) << "the last sample's amplitude";

    // The bars merge into a red area under the curve.
    const platform::Canvas& plot = form.Picture1->canvas();
    EXPECT_EQ(plot.pixel(0, 800 - 540), red);
    EXPECT_EQ(plot.pixel(0, 800 - 570), white);
    EXPECT_EQ(plot.pixel(-2990, 795), red);

    // The red cut line of width 3, transient, and the window's pen back at 1.
    const Primitive& cut = form.canvas().log().back();
    EXPECT_EQ(QLineF(cut.x1, cut.y1, cut.x2, cut.y2), QLineF(2000, -1500, 2000, 1500));
    EXPECT_EQ(cut.colour, red);
    EXPECT_EQ(cut.width, 3);
    EXPECT_FALSE(cut.persistent);
    EXPECT_EQ(form.canvas().drawWidth(), 1);
    EXPECT_EQ(form.canvas().pixel(2000, 0), red);
    EXPECT_EQ(form.canvas().pixel(2000, -1400), red);

    // The panel stays visible at the last sample, far below the window.
    EXPECT_TRUE(form.Picture1->isVisible());
    EXPECT_TRUE(form.Picture3->isVisible());
    EXPECT_NEAR(platform::leftInUnits(form.Picture3), 2000, 4000.0 / form.width());
    EXPECT_NEAR(platform::topInUnits(form.Picture3), 3000, 2925.0 / form.height());
}

TEST_F(Form3Scan, NearCutHasItsTallestBarsBesideTheAxis)
{
    form.onMouseDown(2, 0, 100, -700);
    const std::vector<Primitive> b = bars(form);
    ASSERT_EQ(b.size(), static_cast<std::size_t>(samples));
    std::size_t tallest = 0;
    for (std::size_t k = 0; k < b.size(); ++k) {
        if (height(b[k]) > height(b[tallest]))
            tallest = k;
    }
    EXPECT_EQ(std::abs(b[tallest].x1), 55);
    EXPECT_NEAR(height(b[at(-55)]), 220.13, 0.01);
    EXPECT_NEAR(height(b[at(55)]), 220.13, 0.01);
    EXPECT_NEAR(height(b[at(0)]), 119.28, 0.01);
    // Far from the sources the bars approach one elementary phasor.
    EXPECT_NEAR(height(b.front()), 80, 0.01);
    EXPECT_NEAR(height(b.back()), 80, 0.01);
}

TEST_F(Form3Scan, ThePanelSlidesDownTheCutWhileThePlotFillsFromTheLeft)
{
    double panelTop = 0;
    double panelLeft = 0;
    bool plotVisible = false;
    int redOnTheLeft = 0;
    int redOnTheRight = 0;
    // The plot's left and right thirds, in its pixels.
    const QImage& plot = form.Picture1->canvas().screen();
    const QRect leftThird(0, 0, plot.width() / 3, plot.height());
    const QRect rightThird(plot.width() - plot.width() / 3, 0, plot.width() / 3, plot.height());
    postWhen(barsReach(300), [&] {
        panelTop = platform::topInUnits(form.Picture3);
        panelLeft = platform::leftInUnits(form.Picture3);
        plotVisible = form.Picture1->isVisible();
        redOnTheLeft = testing_support::countPixels(form.Picture1->canvas().screen(), red, leftThird);
        redOnTheRight = testing_support::countPixels(form.Picture1->canvas().screen(), red, rightThird);
    });
    form.onMouseDown(2, 0, 1500, 0);

    // At the yield of sample 300 the panel already stands at that sample.
    EXPECT_NEAR(panelTop, -1500, 2925.0 / form.height());
    EXPECT_NEAR(panelLeft, 1500, 4000.0 / form.width());
    EXPECT_TRUE(plotVisible);
    EXPECT_GT(redOnTheLeft, 1000);
    EXPECT_EQ(redOnTheRight, 0);
    EXPECT_GT(testing_support::countPixels(form.Picture1->canvas().screen(), red, rightThird), 1000);
}

TEST_F(Form3Scan, ASecondRightPressScansItsCutThenTheFirstScanContinues)
{
    postWhen(barsReach(600), [&] { form.onMouseDown(2, 0, 100, 0); });
    form.onMouseDown(2, 0, 2000, 0);

    const auto& log = form.Picture1->canvas().log();
    ASSERT_EQ(log.size(), 2u + 600u + 1201u + 601u);
    EXPECT_EQ(log[0].kind, Primitive::Kind::Clear);
    EXPECT_EQ(log[601].kind, Primitive::Kind::Clear) << "the nested scan clears the plot";
    // Its own distribution: the near cut's bars.
    EXPECT_NEAR(height(log[602 + at(55)]), 220.13, 0.01);
    EXPECT_NEAR(height(log[602 + at(0)]), 119.28, 0.01);
    // Then the first scan adds its remaining bars, from s = 0 on, with its own X.
    const Primitive& resumed = log[602 + 1201];
    EXPECT_EQ(resumed.x1, 0);
    EXPECT_NEAR(height(resumed), 554.85, 0.01);
    EXPECT_EQ(log.back().x1, 3000);
    EXPECT_NEAR(height(log.back()), 22.84, 0.01);

    EXPECT_EQ(form.canvas().pixel(2000, -1400), red) << "the first scan's cut line";
    EXPECT_NE(form.canvas().pixel(100, -1400), red) << "the nested cut line was cleared";
}

TEST_F(Form3Scan, ASliderDuringTheScanRedrawsTheFieldAndTakesEffectAtTheNextSample)
{
    postWhen(barsReach(300), [&] { form.HScroll2->setValue(6); });
    form.onMouseDown(2, 0, 2000, 0);

    const std::vector<Primitive> b = bars(form);
    ASSERT_EQ(b.size(), static_cast<std::size_t>(samples));
    EXPECT_FALSE(form.Picture3->isVisible()) << "the scan does not show the panel again";
    EXPECT_EQ(form.canvas().persistent().pixelColor(form.canvas().devicePixel(0, 300)), QColor(0, 0, 0))
        << "13 sources in the field";
    EXPECT_NEAR(height(b[at(0)]), 922.57, 0.01) << "the bars from then on sum 13 phasors";
    // Cut off at the plot's top edge.
    EXPECT_EQ(form.Picture1->canvas().pixel(0, 1), red);
    EXPECT_EQ(form.canvas().pixel(2000, 0), red);
}

TEST_F(Form3Scan, MenuClsAndReleaseDuringTheScanLeaveItRunningUnseen)
{
    postWhen(barsReach(100), [&] { QTest::mouseClick(form.Command1, Qt::LeftButton); });
    postWhen(barsReach(200), [&] { form.onMouseUp(2, 0, 2000, 0); });
    postWhen(barsReach(300), [&] { QTest::mouseClick(form.Command3, Qt::LeftButton); });
    form.onMouseDown(2, 0, 2000, 0);

    EXPECT_EQ(bars(form).size(), static_cast<std::size_t>(samples)) << "bars drawn into the hidden plot";
    EXPECT_FALSE(form.Picture1->isVisible());
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(program.form1().isVisible());
    EXPECT_EQ(form.canvas().pixel(2000, 0), red) << "the cut line after a release in mid-scan";
}

TEST_F(Form3Scan, RightPressesClearTheOldDistributionAndShowThePlotAgain)
{
    form.onMouseDown(2, 0, 2000, 0);
    form.onCommand1Click();
    ASSERT_FALSE(form.Picture1->isVisible());
    form.Picture1->canvas().clearLog();

    // A real right press on the window gives what the handler gives for the pointer's place.
    const QPoint point = form.canvas().devicePixel(1000, 500);
    const double x = form.canvas().userScale().toUser(point).x();
    QTest::mousePress(&form, Qt::RightButton, {}, point);
    QTest::mouseRelease(&form, Qt::RightButton, {}, point);
    EXPECT_TRUE(form.Picture1->isVisible());
    EXPECT_EQ(form.Picture1->canvas().log().front().kind, Primitive::Kind::Clear);
    const std::vector<Primitive> pressed = bars(form);
    ASSERT_EQ(pressed.size(), static_cast<std::size_t>(samples));
    EXPECT_GT(testing_support::countPixels(form.Picture1->canvas().screen(), red), 1000);
    EXPECT_EQ(testing_support::countPixels(form.canvas().screen(), red), 0) << "the release cleared the cut";

    form.Picture1->canvas().clearLog();
    form.onMouseDown(2, 0, x, 0);
    const std::vector<Primitive> called = bars(form);
    ASSERT_EQ(called.size(), pressed.size());
    for (std::size_t k = 0; k < called.size(); ++k)
        EXPECT_EQ(called[k].y2, pressed[k].y2) << k;
}

TEST_F(Form3Scan, IsPacedAtOneSamplePerFourMilliseconds)
{
    platform::Pacer::setEnabled(true);
    const auto start = std::chrono::steady_clock::now();
    form.onMouseDown(2, 0, 2000, 0);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    platform::Pacer::setEnabled(false);
    EXPECT_EQ(bars(form).size(), static_cast<std::size_t>(samples));
    EXPECT_GE(took.count(), 1200 * 0.004);
    EXPECT_LT(took.count(), 12.0);
}

// The lesson pause holds a scan at its next sample; N lets exactly one more sample through.
TEST_F(Form3Scan, PauseHoldsAtASampleAndStepsOneSampleAtATime)
{
    platform::FrameBoundary& boundary = platform::FrameBoundary::instance();
    std::vector<std::size_t> seen;
    const auto look = [&] { seen.push_back(bars(form).size()); };
    postWhen(barsReach(10), [&] {
        boundary.setPaused(true);
        QTimer::singleShot(20, [&] {
            look();
            boundary.step();
            QTimer::singleShot(20, [&] {
                look();
                boundary.step();
                boundary.step();
                QTimer::singleShot(20, [&] {
                    look();
                    boundary.setPaused(false);
                });
            });
        });
    });
    form.onMouseDown(2, 0, 2000, 0);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[1], seen[0] + 1);
    EXPECT_EQ(seen[2], seen[1] + 2);
    EXPECT_EQ(bars(form).size(), static_cast<std::size_t>(samples));
    EXPECT_FALSE(boundary.paused());
}

// Opens the window from the menu, scans, and closes the window after ten samples, held by the
// lesson pause first where asked. The close must end the program.
void closeInMidScan(bool paused)
{
    orvane::Program program;
    program.form1().show();
    program.form1().onCommand1Click();
    orvane::Form3& form = program.form3();
    form.Picture1->canvas().setRecording(true);
    postWhen([&] { return bars(form).size() >= 10; },
             [&] {
                 platform::FrameBoundary::instance().setPaused(paused);
                 QTimer::singleShot(paused ? 20 : 0, [&] { form.close(); });
             });
    form.onMouseDown(2, 0, 2000, 0);
    std::_Exit(3);
}

using Form3ScanDeath = ::testing::Test;

TEST_F(Form3ScanDeath, ClosingTheWindowInMidScanEndsTheProgram)
{
    EXPECT_EXIT(closeInMidScan(false), ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(closeInMidScan(true), ::testing::ExitedWithCode(0), "") << "while paused";
}

} // namespace
