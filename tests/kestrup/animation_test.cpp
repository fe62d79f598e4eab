// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "frames.h"

#include <kestrup/form1.h>

#include <support/testing.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using testing_support::countIn;

using kestrup_testing::loadHalted;
using kestrup_testing::runFrames;
using platform::Primitive;

using testing_support::black;
using testing_support::blue;
using testing_support::white;
const QColor green(0, 200, 0);
using testing_support::red;

// Runs frames with the settings applied in the first frame's yield, then checks the last
// frame's picture against the same frame drawn on a freshly cleared window and chain box.
void expectNoTrace(kestrup::Form1& form, int frames, const std::function<void()>& settings)
{
    kestrup_testing::PhasorState before;
    runFrames(form, frames, [&](int k) {
        if (k == 1)
            settings();
        if (k == frames - 1)
            before = kestrup_testing::phasorState(form);
    });
    const QImage window = form.canvas().screen().copy();
    const QImage box = form.Picture1->canvas().screen().copy();
    const double phase = form.phase;
    kestrup_testing::drawFreshFrame(form, before);
    ASSERT_EQ(form.phase, phase);
    EXPECT_EQ(testing_support::differingPixels(window, form.canvas().screen()), 0);
    EXPECT_EQ(testing_support::differingPixels(box, form.Picture1->canvas().screen()), 0);
}

TEST(Animation, EachFrameComputesBothWavesFromThePhase)
{
    kestrup::Form1 form;
    loadHalted(form);
    // The first frame erased with zero phasors, along the rest positions.
    for (int i = 0; i <= 26; ++i) {
        EXPECT_EQ(form.oldDx1[i], 0);
        EXPECT_EQ(form.oldDy2[i], 0.0f);
    }
    runFrames(form, 1);
    const double phase = double{0.09f};
    for (int i = 0; i <= 25; ++i) {
        const double angle = form.waveNumber * i + phase;
        EXPECT_EQ(form.tipDx1[i], 60 * std::cos(angle)) << i;
        EXPECT_EQ(form.tipDy1[i], -60 * std::sin(angle)) << i;
        EXPECT_EQ(form.tipDx2[i], form.tipDx1[i]);
        EXPECT_EQ(form.tipDy2[i], static_cast<float>(form.tipDy1[i]));
        EXPECT_EQ(form.oldDx1[i], 60 * std::cos(form.waveNumber * i)) << i;
        EXPECT_EQ(form.oldDy2[i], static_cast<float>(-60 * std::sin(form.waveNumber * i))) << i;
    }
    // Element 26 mirrors element 25, so the last segment of a row has zero length.
    EXPECT_EQ(form.tipDx1[26], form.tipDx1[25]);
    EXPECT_EQ(form.oldDy1[26], form.oldDy1[25]);
    EXPECT_EQ(form.tipDy2[26], form.tipDy2[25]);
    EXPECT_EQ(form.restX2[26], form.restX2[25]);
    EXPECT_EQ(form.phase, phase + double{0.09f});
}

TEST(Animation, AtStartOnlyTheLineOfRowOneMoves)
{
    kestrup::Form1 form;
    loadHalted(form);
    const platform::Canvas& canvas = form.canvas();
    const int row2Marks = countIn(canvas, black, -100, 200, 3900, 400);
    const int row3Marks = countIn(canvas, black, -100, 600, 3900, 900);
    runFrames(form, 6);
    EXPECT_EQ(countIn(canvas, black, -100, 200, 3900, 400), row2Marks);
    EXPECT_EQ(countIn(canvas, black, -100, 600, 3900, 900), row3Marks);
    EXPECT_EQ(testing_support::countPixels(canvas.screen(), blue), 0);
    EXPECT_EQ(testing_support::countPixels(canvas.screen(), green), 0);
    EXPECT_EQ(testing_support::countPixels(canvas.screen(), red), 0);
    // The line passes through this frame's tips, within a pixel of the polyline drawn.
    for (int i = 2; i < 25; i += 5) {
        const QPoint tip = canvas.devicePixel(form.restX1[i] + form.tipDx1[i], form.tipDy1[i]);
        EXPECT_GT(testing_support::countPixels(canvas.screen(), black, QRect(tip - QPoint(1, 1), QSize(3, 3))), 0) << i;
    }
    EXPECT_FALSE(form.Picture1->isVisible());
}

TEST(Animation, EveryMovingElementIsErasedInWhiteByTheNextFrame)
{
    kestrup::Form1 form;
    loadHalted(form);
    kestrup_testing::setSwitches(form, 0x1ff);
    form.HScroll6->setValue(3);
    std::vector<Primitive> drawn[2];
    std::vector<Primitive> boxDrawn[2];
    form.canvas().setRecording(true);
    form.Picture1->canvas().setRecording(true);
    runFrames(form, 3, [&](int k) {
        if (k >= 2) {
            drawn[k - 2] = form.canvas().log();
            boxDrawn[k - 2] = form.Picture1->canvas().log();
        }
        form.canvas().clearLog();
        form.Picture1->canvas().clearLog();
    });
    auto sameShape = [](const Primitive& a, const Primitive& b) {
        const bool forwards = a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
        const bool backwards = a.x1 == b.x2 && a.y1 == b.y2 && a.x2 == b.x1 && a.y2 == b.y1;
        return a.kind == b.kind && a.width == b.width && (forwards || backwards);
    };
    for (int surface = 0; surface < 2; ++surface) {
        const std::vector<Primitive>& first = surface == 0 ? drawn[0] : boxDrawn[0];
        const std::vector<Primitive>& second = surface == 0 ? drawn[1] : boxDrawn[1];
        ASSERT_FALSE(first.empty());
        int moving = 0;
        for (const Primitive& p : first) {
            if (p.colour == white)
                continue;
            // What the next frame draws again where it stood (feet, the measuring line) does not
            // move; a zero-length line is covered by the erased line ending there.
            const bool still = std::any_of(second.begin(), second.end(),
                                           [&](const Primitive& q) { return q.colour == p.colour && sameShape(p, q); });
            if (still || (p.kind == Primitive::Kind::Line && p.x1 == p.x2 && p.y1 == p.y2))
                continue;
            ++moving;
            const bool erased = std::any_of(second.begin(), second.end(),
                                            [&](const Primitive& q) { return q.colour == white && sameShape(p, q); });
            EXPECT_TRUE(erased) << "surface " << surface << " at " << p.x1 << "," << p.y1 << " to " << p.x2 << ","
                                << p.y2 << " width " << p.width;
        }
        EXPECT_GT(moving, surface == 0 ? 200 : 4);
    }
}

TEST(Animation, NoTraceOfEarlierFramesForAnyCombinationOfSwitches)
{
    kestrup::Form1 form;
    loadHalted(form);
    form.HScroll4->setValue(20);
    const int wavelengths[] = {10, 11, 20, 5, 10};
    const int pathDifferences[] = {0, 5, 12, 3, 7};
    for (unsigned bits = 0; bits < 512; ++bits) {
        SCOPED_TRACE(bits);
        expectNoTrace(form, 4, [&] {
            // Sliders first: the switch clicks clear the chain box after them.
            form.HScroll5->setValue(wavelengths[bits % 5]);
            form.HScroll6->setValue(pathDifferences[(bits / 5) % 5]);
            if (bits % 3 == 0)
                form.onPicture1Click();
            kestrup_testing::setSwitches(form, bits);
        });
        if (HasFailure())
            break;
    }
}

TEST(Animation, NoTraceAfterManyFramesWithEverythingOn)
{
    kestrup::Form1 form;
    loadHalted(form);
    expectNoTrace(form, 300, [&] {
        form.HScroll4->setValue(17);
        form.HScroll6->setValue(3);
        form.HScroll5->setValue(13);
        kestrup_testing::setSwitches(form, 0x1ff);
    });
    expectNoTrace(form, 200, [&] {
        form.onPicture1Click();
        form.HScroll4->setValue(20);
    });
    EXPECT_EQ(form.chainHidden, 1);
    EXPECT_GT(testing_support::countPixels(form.canvas().screen(), green), 100);
    EXPECT_GT(testing_support::countPixels(form.canvas().screen(), red), 100);
}

TEST(Animation, PathDifferenceZeroDoublesTheSum)
{
    kestrup::Form1 form;
    loadHalted(form);
    kestrup_testing::setSwitches(form, 0b101000000); // "Punkte" and "Linie" of the sum
    runFrames(form, 3);
    const platform::Canvas& canvas = form.canvas();
    double largest = 0;
    for (int i = 0; i < 25; ++i)
        largest = std::max(largest, std::abs(form.tipDy1[i] + form.tipDy2[i]));
    EXPECT_GT(largest, 110);
    // Red beyond one amplitude from the rest line, none beyond two.
    EXPECT_GT(countIn(canvas, red, -100, 750 - 125, 3900, 750 - 65)
                  + countIn(canvas, red, -100, 750 + 65, 3900, 750 + 125),
              0);
    EXPECT_EQ(countIn(canvas, red, -100, -1500, 3900, 750 - 135) + countIn(canvas, red, -100, 750 + 135, 3900, 1425),
              0);
    EXPECT_GT(countIn(canvas, blue, -100, 600, 3900, 900), 25 * 9);
}

TEST(Animation, CancellingWavesLeaveTheSumOnItsRestLine)
{
    kestrup::Form1 form;
    loadHalted(form);
    form.HScroll6->setValue(5);
    kestrup_testing::setSwitches(form, 0b111000000);
    runFrames(form, 5);
    const platform::Canvas& canvas = form.canvas();
    const int dy = static_cast<int>(std::ceil(4 / std::abs(canvas.userScale().pixelsPerUnitY())));
    EXPECT_GT(countIn(canvas, red, 600, 750, 3700, 750), 0);
    EXPECT_EQ(countIn(canvas, red, -100, -1500, 3900, 750 - dy) + countIn(canvas, red, -100, 750 + dy, 3900, 1425), 0);
    EXPECT_EQ(countIn(canvas, blue, -100, -1500, 3900, 750 - dy) + countIn(canvas, blue, -100, 750 + dy, 3900, 1425),
              0);
    EXPECT_EQ(testing_support::countPixels(canvas.screen(), green), 0);
    // Only the feet of the points 5 to 24 remain of "Zeiger"; point 4 has none.
    EXPECT_EQ(canvas.pixel(150 * 12, 750), blue);
    const QPoint foot = canvas.devicePixel(150 * 12, 750) + QPoint(0, 3);
    EXPECT_EQ(canvas.screen().pixelColor(foot), white);
    form.onCheck5Click();
    form.onCheck9Click();
    runFrames(form, 2);
    EXPECT_EQ(canvas.pixel(150 * 12, 750), black);
    EXPECT_EQ(canvas.pixel(150 * 4, 750), white);
}

TEST(Animation, PathDifferenceTwelveLeavesTheSumToPointsTwelveToTwentyFour)
{
    kestrup::Form1 form;
    loadHalted(form);
    form.HScroll6->setValue(12);
    kestrup_testing::setSwitches(form, 0b111000111);
    form.canvas().setRecording(true);
    runFrames(form, 2, [&](int k) {
        if (k == 1)
            form.canvas().clearLog();
    });
    double leftmostFoot = 1e9;
    double rightmostFoot = -1e9;
    double rightmostRed = -1e9;
    double rightmostRow1 = -1e9;
    for (const Primitive& p : form.canvas().log()) {
        if (p.kind == Primitive::Kind::Dot && p.width == 3 && p.y1 == 750) {
            leftmostFoot = std::min(leftmostFoot, p.x1);
            rightmostFoot = std::max(rightmostFoot, p.x1);
        }
        if (p.colour == red)
            rightmostRed = std::max({rightmostRed, p.x1, p.x2});
        if (p.colour == blue && p.y1 < 100)
            rightmostRow1 = std::max(rightmostRow1, p.x1);
    }
    EXPECT_EQ(leftmostFoot, 1800);
    EXPECT_EQ(rightmostFoot, 3600);
    EXPECT_GE(rightmostRed, 3750 - 120);
    EXPECT_LE(rightmostRed, 3750 + 120);
    // Row 1 runs on beyond the right edge; what lies outside is simply not seen.
    EXPECT_GE(rightmostRow1, 5550 - 60);
    EXPECT_EQ(form.canvas().pixel(150 * 11, 750), white);
}

} // namespace
