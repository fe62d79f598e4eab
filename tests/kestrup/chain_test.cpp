// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "frames.h"

#include <kestrup/form1.h>

#include <support/testing.h>

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using kestrup_testing::loadHalted;
using kestrup_testing::runFrames;
using platform::Primitive;

using testing_support::black;
using testing_support::blue;
using testing_support::white;
const QColor green(0, 200, 0);
using testing_support::red;

// The three "Zeiger" boxes, and nothing else.
constexpr unsigned allPhasors = 0b010010010;

// Whether the colour lies within a pixel of a point of the box: a thin line's pixels may round
// to the neighbouring row or column of the exact point.
bool near(const kestrup::Form1& form, double x, double y, const QColor& colour)
{
    const QPoint p = form.Picture1->canvas().devicePixel(x, y);
    return testing_support::countPixels(form.Picture1->canvas().screen(), colour, QRect(p - QPoint(1, 1), QSize(3, 3)))
        > 0;
}

int boxCount(const kestrup::Form1& form, const QColor& colour)
{
    return testing_support::countPixels(form.Picture1->canvas().screen(), colour);
}

// A click on the box, away from its labels.
void clickBox(kestrup::Form1& form)
{
    const QPoint where = form.Picture1->canvas().devicePixel(0, -100) + QPoint(1, 1);
    QTest::mouseClick(form.Picture1, Qt::LeftButton, {}, where);
}

TEST(ChainBox, AppearsWithAllThreeZeigerAndShowsBothPhasorsTheChainAndTheResultant)
{
    kestrup::Form1 form;
    loadHalted(form);
    kestrup_testing::setSwitches(form, 0b000010010);
    runFrames(form, 2);
    EXPECT_FALSE(form.Picture1->isVisible());
    form.HScroll6->setValue(3);
    kestrup_testing::setSwitches(form, allPhasors);
    runFrames(form, 3);
    ASSERT_TRUE(form.Picture1->isVisible());

    const int j = 16;
    const int k = 19;
    auto middle = [](double x0, double dx, double dy) { return QPointF(x0 + dx / 2, dy / 2); };
    const QPointF wave1 = middle(-220, form.tipDx1[j], form.tipDy1[j]);
    const QPointF wave2 = middle(-60, form.tipDx2[k], form.tipDy2[k]);
    const QPointF link2 = middle(170, form.tipDx2[k], form.tipDy2[k]);
    const QPointF link1(170 + form.tipDx2[k] + form.tipDx1[j] / 2, form.tipDy2[k] + form.tipDy1[j] / 2);
    const QPointF resultant = middle(170, form.tipDx2[k] + form.tipDx1[j], form.tipDy2[k] + form.tipDy1[j]);
    EXPECT_TRUE(near(form, wave1.x(), wave1.y(), blue));
    EXPECT_TRUE(near(form, wave2.x(), wave2.y(), green));
    EXPECT_TRUE(near(form, link2.x(), link2.y(), green));
    EXPECT_TRUE(near(form, link1.x(), link1.y(), blue));
    EXPECT_TRUE(near(form, resultant.x(), resultant.y(), red));
    // Wave 1 at the measuring place is its point 19 − 3, resting at the same x = 2850.
    EXPECT_EQ(form.restX1[j], form.restX2[k]);
    EXPECT_TRUE(form.Label2->isVisible());
    EXPECT_FALSE(form.Label3->isVisible());
}

TEST(ChainBox, TheMeasuringLineJoinsTheRowsToTheBoxInThreeDashes)
{
    kestrup::Form1 form;
    loadHalted(form);
    kestrup_testing::setSwitches(form, allPhasors);
    form.canvas().setRecording(true);
    runFrames(form, 2, [&](int frame) {
        if (frame == 1)
            form.canvas().clearLog();
    });
    std::vector<Primitive> dashes;
    for (const Primitive& p : form.canvas().log()) {
        if (p.kind == Primitive::Kind::Line && p.x1 == 2850 && p.x2 == 2850 && p.colour == black)
            dashes.push_back(p);
    }
    ASSERT_EQ(dashes.size(), 3u);
    EXPECT_EQ(dashes[0].y1, -80);
    EXPECT_NEAR(dashes[0].y2, -450, 2925.0 / form.canvas().logicalSize().height());
    EXPECT_EQ(dashes[1].y1, 80);
    EXPECT_EQ(dashes[1].y2, 230);
    EXPECT_EQ(dashes[2].y1, 380);
    EXPECT_EQ(dashes[2].y2, 590);
    EXPECT_EQ(form.canvas().pixel(2850, 150), black);
    EXPECT_EQ(form.canvas().pixel(2850, -300), black);
    EXPECT_EQ(form.canvas().pixel(2850, 500), black);
}

TEST(ChainBox, AClickHidesOrShowsTheChainAndSwapsTheHints)
{
    kestrup::Form1 form;
    loadHalted(form);
    form.HScroll6->setValue(2);
    kestrup_testing::setSwitches(form, allPhasors);
    runFrames(form, 2);
    ASSERT_GT(boxCount(form, red), 0);

    // While halted the click clears the box and nothing is drawn until the frames resume.
    clickBox(form);
    EXPECT_EQ(form.chainHidden, 1);
    EXPECT_EQ(form.halted, 1);
    EXPECT_EQ(boxCount(form, white),
              form.Picture1->canvas().screen().width() * form.Picture1->canvas().screen().height());
    EXPECT_TRUE(form.Label3->isVisible());
    EXPECT_FALSE(form.Label2->isVisible());

    runFrames(form, 2);
    struct Chain {
        QPointF link2, link1, resultant;
    };
    auto chainOf = [&form] {
        const int j = 17;
        const int k = 19;
        const double dx = form.tipDx2[k] + form.tipDx1[j];
        const double dy = form.tipDy2[k] + form.tipDy1[j];
        return Chain{{170 + form.tipDx2[k] / 2, form.tipDy2[k] / 2},
                     {170 + form.tipDx2[k] + form.tipDx1[j] / 2, form.tipDy2[k] + form.tipDy1[j] / 2},
                     {170 + dx / 2, dy / 2}};
    };
    Chain chain = chainOf();
    EXPECT_FALSE(near(form, chain.link2.x(), chain.link2.y(), green)
                 || near(form, chain.link2.x(), chain.link2.y(), blue));
    EXPECT_FALSE(near(form, chain.link1.x(), chain.link1.y(), green)
                 || near(form, chain.link1.x(), chain.link1.y(), blue));
    EXPECT_TRUE(near(form, chain.resultant.x(), chain.resultant.y(), red));
    EXPECT_TRUE(near(form, -60 + form.tipDx2[19] / 2, form.tipDy2[19] / 2, green));

    clickBox(form);
    EXPECT_EQ(form.chainHidden, 0);
    EXPECT_TRUE(form.Label2->isVisible());
    EXPECT_FALSE(form.Label3->isVisible());
    runFrames(form, 1);
    chain = chainOf();
    EXPECT_TRUE(near(form, chain.link2.x(), chain.link2.y(), green));
    EXPECT_TRUE(near(form, chain.link1.x(), chain.link1.y(), blue));
    EXPECT_TRUE(near(form, chain.resultant.x(), chain.resultant.y(), red));
}

TEST(ChainBox, AClickWhileRunningGoesOnWithTheFramesUntilOneHalt)
{
    kestrup::Form1 form;
    loadHalted(form);
    kestrup_testing::setSwitches(form, allPhasors);
    const double phase = form.phase;
    runFrames(form, 6, [&](int frame) {
        if (frame == 2)
            clickBox(form);
        if (frame == 3)
            form.onPicture1Click();
    });
    EXPECT_EQ(form.halted, 1);
    EXPECT_EQ(form.chainHidden, 0);
    EXPECT_DOUBLE_EQ(form.phase, phase + 6 * double{0.09f});
    EXPECT_GT(boxCount(form, red), 0);
}

TEST(ChainBox, CancellingWavesDrawNoChainAndAResultantOfZeroLength)
{
    kestrup::Form1 form;
    loadHalted(form);
    form.HScroll6->setValue(5);
    kestrup_testing::setSwitches(form, allPhasors);
    runFrames(form, 3);
    EXPECT_NEAR(form.tipDx1[14], -form.tipDx2[19], 1e-9);
    EXPECT_NEAR(form.tipDy1[14], -form.tipDy2[19], 1e-5);
    // The resultant is a single red pixel on the chain's origin; no green right of the "=".
    EXPECT_LE(boxCount(form, red), 1);
    const QRect right(form.Picture1->canvas().devicePixel(100, -150), form.Picture1->canvas().devicePixel(299, 149));
    EXPECT_EQ(testing_support::countPixels(form.Picture1->canvas().screen(), green, right), 0);
    EXPECT_EQ(testing_support::countPixels(form.Picture1->canvas().screen(), blue, right), 0);
    EXPECT_GT(boxCount(form, blue), 0);
    EXPECT_GT(boxCount(form, green), 0);
}

TEST(ChainBox, MovingToTheCancellingWavelengthLeavesTheLastChainUntilTheBoxIsCleared)
{
    kestrup::Form1 form;
    loadHalted(form);
    form.HScroll5->setValue(11);
    form.HScroll6->setValue(5);
    kestrup_testing::setSwitches(form, allPhasors);
    QImage lastChain;
    runFrames(form, 5, [&](int frame) {
        if (frame == 3) {
            lastChain = form.Picture1->canvas().screen().copy();
            form.HScroll5->setValue(10);
        }
    });
    const QRect right(form.Picture1->canvas().devicePixel(100, -150), form.Picture1->canvas().devicePixel(299, 149));
    const int chainGreen = testing_support::countPixels(lastChain, green, right);
    ASSERT_GT(chainGreen, 0);
    EXPECT_GT(testing_support::countPixels(form.Picture1->canvas().screen(), green, right), 0);
    form.onCheck1Click();
    EXPECT_EQ(testing_support::countPixels(form.Picture1->canvas().screen(), green, right), 0);
}

} // namespace
