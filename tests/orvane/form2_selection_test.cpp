// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <orvane/form1.h>
#include <orvane/form2.h>
#include <orvane/program.h>

#include "../support/testing.h"

#include <platform/widgets/layout.h>

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using testing_support::isLine;

using platform::Primitive;

const QColor lightGreen(128, 255, 0);
const QColor lightBlue(0, 200, 255);
const QColor grey(128, 128, 128);
const QColor olive(128, 128, 18);

class Form2Selection : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.form1().show();
        program.form1().onCommand2Click();
        panel().setRecording(true);
    }

    orvane::Form2& form() { return program.form2(); }
    platform::Canvas& panel() { return form().Picture2->canvas(); }
    double panelLeft() { return platform::leftInUnits(form().Picture2); }
    // One pixel of the window in its own units, the rounding of the panel's place.
    double windowPixel() { return 3000.0 / form().width(); }
    // The wave surface's widget position of a point in its user units.
    QPoint surfacePosition(double x, double y)
    {
        const QPointF p = form().Picture1->canvas().userScale().toPixels(x, y);
        return QPoint(static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))) + QPoint(1, 1);
    }

    orvane::Program program;
};

TEST_F(Form2Selection, ALeftClickSelectsTheNearestPointHalvesUpAndMovesThePanel)
{
    orvane::Form2& f = form();
    f.onPicture1MouseDown(1, 0, 1485, 300);
    EXPECT_EQ(f.selectedPoint, 50);
    EXPECT_NEAR(panelLeft(), 1055, windowPixel());
    f.onPicture1MouseDown(1, 0, 1484, 300);
    EXPECT_EQ(f.selectedPoint, 49);
    EXPECT_NEAR(panelLeft(), 1015.5, windowPixel());
    f.onPicture1MouseDown(1, 0, -10, 300);
    EXPECT_EQ(f.selectedPoint, 0);
    f.onPicture1MouseDown(1, 0, 2990, 300);
    EXPECT_EQ(f.selectedPoint, 100);
    EXPECT_NEAR(panelLeft(), 100 * 39.5 - 920, windowPixel());
}

TEST_F(Form2Selection, OnlyTheLeftButtonAloneSelectsOnTheWaveSurface)
{
    orvane::Form2& f = form();
    f.onPicture1MouseDown(2, 0, 600, 300);
    f.onPicture1MouseDown(3, 0, 600, 300);
    f.onPicture1MouseMove(0, 0, 600, 300);
    f.onPicture1MouseMove(4, 0, 600, 300);
    EXPECT_EQ(f.selectedPoint, 50);
    EXPECT_NEAR(panelLeft(), 1055, windowPixel());
    EXPECT_TRUE(panel().log().empty()); // not even the pen width changed: nothing drawn

    // The real surface: a right click does nothing, a left press and drag follow the pointer.
    QTest::mouseClick(f.Picture1, Qt::RightButton, {}, surfacePosition(600, 300));
    EXPECT_EQ(f.selectedPoint, 50);
    QTest::mouseMove(f.Picture1, surfacePosition(900, 300));
    EXPECT_EQ(f.selectedPoint, 50);
    QTest::mousePress(f.Picture1, Qt::LeftButton, {}, surfacePosition(600, 300));
    EXPECT_EQ(f.selectedPoint, 20);
    QMouseEvent drag(QEvent::MouseMove, surfacePosition(900, 300), f.Picture1->mapToGlobal(surfacePosition(900, 300)),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(f.Picture1, &drag);
    EXPECT_EQ(f.selectedPoint, 30);
    EXPECT_NEAR(panelLeft(), 30 * 39.5 - 920, windowPixel());
    QTest::mouseRelease(f.Picture1, Qt::LeftButton, {}, surfacePosition(900, 300));
}

TEST_F(Form2Selection, WhileHaltedEveryMoveOfADragRedrawsThePanel)
{
    orvane::Form2& f = form();
    f.onPicture1MouseDown(1, 0, 600, 300);
    f.onPicture1MouseMove(1, 0, 630, 300);
    f.onPicture1MouseMove(1, 0, 640, 300); // still point 21: drawn again all the same
    const auto& log = panel().log();
    EXPECT_EQ(
        std::count_if(log.begin(), log.end(), [](const Primitive& p) { return p.kind == Primitive::Kind::Clear; }), 3);
    EXPECT_EQ(f.selectedPoint, 21);
}

TEST_F(Form2Selection, TheArrowButtonsStepWithinTwoToNinetyEight)
{
    orvane::Form2& f = form();
    QTest::mousePress(f.Command5, Qt::RightButton);
    QTest::mouseRelease(f.Command5, Qt::RightButton);
    EXPECT_EQ(f.selectedPoint, 51);
    QTest::mouseClick(f.Command5, Qt::LeftButton);
    EXPECT_EQ(f.selectedPoint, 52);
    EXPECT_NEAR(panelLeft(), 52 * 39.5 - 920, windowPixel());
    QTest::mouseClick(f.Command6, Qt::LeftButton);
    EXPECT_EQ(f.selectedPoint, 51);
    // "<----" steps on a click only: a right press is no click.
    QTest::mouseClick(f.Command6, Qt::RightButton);
    EXPECT_EQ(f.selectedPoint, 51);

    f.selectedPoint = 98;
    panel().clearLog();
    f.onCommand5MouseDown(1, 0, 0, 0);
    EXPECT_EQ(f.selectedPoint, 98);
    EXPECT_NEAR(panelLeft(), 98 * 39.5 - 920, windowPixel());
    EXPECT_FALSE(panel().log().empty()); // halted: redrawn all the same
    f.selectedPoint = 2;
    f.onCommand6Click();
    EXPECT_EQ(f.selectedPoint, 2);

    // Outside the range after a drag, the button that would move further does nothing.
    f.onPicture1MouseMove(1, 0, 3500, 0);
    ASSERT_EQ(f.selectedPoint, 117);
    f.onCommand5MouseDown(1, 0, 0, 0);
    EXPECT_EQ(f.selectedPoint, 117);
    f.onCommand6Click();
    EXPECT_EQ(f.selectedPoint, 116);
    f.onPicture1MouseMove(1, 0, -160, 0);
    ASSERT_EQ(f.selectedPoint, -5);
    f.onCommand6Click();
    EXPECT_EQ(f.selectedPoint, -5);
    EXPECT_NEAR(panelLeft(), -5 * 39.5 - 920, windowPixel());
}

TEST_F(Form2Selection, HaltedWithW2HiddenTheFullSizePictureShowsPhasorOneOnly)
{
    orvane::Form2& f = form();
    f.timePhase = 1;
    f.onCommand5MouseDown(1, 0, 0, 0);
    const auto& log = panel().log();
    ASSERT_EQ(log.size(), 7u);
    const double k = f.waveNumber;
    const double phase1 = (51 + 7) * k + 1 - 1.0 / 28;
    EXPECT_EQ(log[0].kind, Primitive::Kind::Clear);
    EXPECT_TRUE(isLine(log[1], lightGreen, 3));
    EXPECT_NEAR(log[1].x2, 100 * std::cos(phase1), 1e-3);
    EXPECT_NEAR(log[1].y2, 100 * std::sin(phase1), 1e-3);
    EXPECT_EQ(log[2].kind, Primitive::Kind::Circle);
    EXPECT_EQ(log[2].colour, olive);
    EXPECT_EQ(log[2].radius, 100);
    EXPECT_EQ(log[2].width, 1);
    EXPECT_TRUE(isLine(log[3], grey, 1));
    EXPECT_EQ(log[3].x1, 130);
    EXPECT_EQ(log[3].y1, 150);
    EXPECT_TRUE(isLine(log[4], grey, 1));
    EXPECT_EQ(log[4].x2, 130);
    EXPECT_TRUE(isLine(log[5], grey, 1));
    EXPECT_TRUE(isLine(log[6], lightGreen, 3));
    EXPECT_EQ(log[6].x1, 133);
    EXPECT_NEAR(log[6].y2, 100 * std::sin(phase1), 1e-3);
    EXPECT_GT(testing_support::countPixels(panel().screen(), lightGreen), 0);
    EXPECT_EQ(testing_support::countPixels(panel().screen(), lightBlue), 0);

    // With W2 shown: its phasor, projection and bar at 127, whatever the display mode.
    f.onCommand2Click();
    f.onCommand4Click();
    panel().clearLog();
    f.onCommand6Click();
    ASSERT_EQ(log.size(), 10u);
    EXPECT_TRUE(isLine(log[2], lightBlue, 3));
    EXPECT_TRUE(isLine(log[9], lightBlue, 3));
    EXPECT_EQ(log[9].x1, 127);
    EXPECT_EQ(panel().drawWidth(), 3);
    EXPECT_GT(testing_support::countPixels(panel().screen(), lightBlue), 0);
}

TEST_F(Form2Selection, WhileRunningASelectionOnlyMovesThePanel)
{
    orvane::Form2& f = form();
    std::size_t drawnBySelection = 1;
    testing_support::post([&] {
        panel().clearLog();
        f.onPicture1MouseDown(1, 0, 300, 0);
        drawnBySelection = panel().log().size();
        f.onCommand1Click();
    });
    f.onCommand1Click();
    EXPECT_EQ(drawnBySelection, 0u);
    EXPECT_EQ(f.selectedPoint, 10);
    EXPECT_NEAR(panelLeft(), 10 * 39.5 - 920, windowPixel());
}

} // namespace
