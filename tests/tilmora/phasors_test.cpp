// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <tilmora/form1.h>

#include <support/testing.h>

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using platform::Primitive;
using testing_support::post;

using testing_support::black;
using testing_support::white;
const QColor wave1Colour(128, 255, 0);
const QColor wave2Colour(0, 200, 255);
const QColor sumColour(255, 128, 0);
const QColor grey(128, 128, 128);
const QColor referenceCircle(128, 128, 18);
const QColor resultantCircle(160, 160, 160);

class PhasorTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        window.Picture2->canvas().setRecording(true);
    }

    // One frame, stopped at its first yield (after the phasors are drawn), noting the caption
    // the running frame showed.
    void runOneFrame()
    {
        post([this] {
            captionWhileRunning = window.Text4->text();
            window.onCommand3Click();
        });
        window.onCommand3Click();
    }

    // Picture2's drawing of the last frame: everything after its last clearing.
    std::vector<Primitive> lastPicture() const
    {
        const auto& log = window.Picture2->canvas().log();
        auto from = log.end();
        while (from != log.begin() && std::prev(from)->kind != Primitive::Kind::Clear)
            --from;
        return {from, log.end()};
    }

    static int count(const std::vector<Primitive>& drawn, const QColor& colour, Primitive::Kind kind)
    {
        return int(std::count_if(drawn.begin(), drawn.end(),
                                 [&](const Primitive& p) { return p.colour == colour && p.kind == kind; }));
    }

    // Moves the real mouse over Picture1 to a point in its user units.
    void hover(double x, double y)
    {
        const QPointF pixel = window.Picture1->canvas().userScale().toPixels(x, y);
        QTest::mouseMove(window.Picture1, pixel.toPoint());
    }

    tilmora::form1 window;
    QString captionWhileRunning;
};

TEST_F(PhasorTest, W1AndW2ShowFullLengthPhasorsWithProjectionsAndBars)
{
    window.onCommand1Click();
    window.onCommand6Click();
    runOneFrame();
    const auto drawn = lastPicture();
    ASSERT_EQ(drawn.size(), 9u);
    const float phase1 = static_cast<float>(50 * window.waveNumber);
    const double x1 = float(100 * std::cos(double(phase1)));
    const double y1 = float(100 * std::sin(double(phase1)));
    // The phasors first, in the pen width the surface had when the frame began (1 at first).
    EXPECT_EQ(drawn[0].colour, wave1Colour);
    EXPECT_DOUBLE_EQ(drawn[0].x2, x1);
    EXPECT_DOUBLE_EQ(drawn[0].y2, y1);
    EXPECT_EQ(drawn[0].width, 1);
    EXPECT_EQ(drawn[1].colour, wave2Colour);
    EXPECT_EQ(drawn[2].kind, Primitive::Kind::Circle);
    EXPECT_EQ(drawn[2].radius, 100);
    EXPECT_EQ(drawn[2].colour, referenceCircle);
    EXPECT_EQ(count(drawn, grey, Primitive::Kind::Line), 4);
    // The elongation bars: W1 at x = 133, W2 at x = 127, thick.
    EXPECT_EQ(drawn[7].x1, 133);
    EXPECT_EQ(drawn[7].colour, wave1Colour);
    EXPECT_NEAR(drawn[7].y2, y1, 1e-4);
    EXPECT_EQ(drawn[7].width, 3);
    EXPECT_EQ(drawn[8].x1, 127);
    EXPECT_EQ(drawn[8].colour, wave2Colour);
    // The caption that Start wrote stays: only the phasor sum writes its own.
    EXPECT_EQ(captionWhileRunning, "        Wellen W1 und W2");

    // On the screen: the W1 bar half way down to its tip.
    EXPECT_EQ(window.Picture2->canvas().pixel(133, y1 / 2), wave1Colour);

    // The next frame draws its phasors thick.
    runOneFrame();
    EXPECT_EQ(lastPicture().front().width, 3);
}

TEST_F(PhasorTest, WithoutWaveTwoOnlyW1IsShown)
{
    window.onCommand6Click();
    runOneFrame();
    const auto drawn = lastPicture();
    EXPECT_EQ(count(drawn, wave1Colour, Primitive::Kind::Line), 2);
    EXPECT_EQ(count(drawn, wave2Colour, Primitive::Kind::Line), 0);
    EXPECT_EQ(count(drawn, grey, Primitive::Kind::Line), 3);
}

TEST_F(PhasorTest, ThePhasorSumChainsW2OntoW1WithTheResultant)
{
    window.onCommand1Click();
    window.onCommand5Click();
    window.HScroll3->setValue(5);
    window.onCommand7Click();
    runOneFrame();
    EXPECT_EQ(captionWhileRunning, "Summenbildung mit Phasenzeigern");
    const auto drawn = lastPicture();
    const auto& w2 =
        *std::find_if(drawn.begin(), drawn.end(), [](const Primitive& p) { return p.colour == wave2Colour; });
    EXPECT_FLOAT_EQ(float(w2.x1), window.tip1X);
    EXPECT_FLOAT_EQ(float(w2.x2), window.tipSumX);
    EXPECT_EQ(window.tipSumX, float(0.6 * window.phasor2X + window.tip1X));
    // The resultant runs from the chain's end back to the origin, and its circle has its length.
    const auto resultant = std::find_if(
        drawn.begin(), drawn.end(), [](const Primitive& p) { return p.colour == sumColour && p.x2 == 0 && p.y2 == 0; });
    ASSERT_NE(resultant, drawn.end());
    EXPECT_FLOAT_EQ(float(resultant->x1), window.tipSumX);
    const auto circle =
        std::find_if(drawn.begin(), drawn.end(), [](const Primitive& p) { return p.kind == Primitive::Kind::Circle; });
    ASSERT_NE(circle, drawn.end());
    EXPECT_EQ(circle->colour, resultantCircle);
    EXPECT_NEAR(circle->radius, std::hypot(double(window.tipSumX), double(window.tipSumY)), 1e-9);
    // The bars: W1 at 127, W2 stacked on it at 130, the sum at 133.
    EXPECT_EQ(count(drawn, sumColour, Primitive::Kind::Line), 2);
    EXPECT_EQ(drawn.back().x1, 130);
    EXPECT_FLOAT_EQ(float(drawn.back().y1), window.tip1Y);
    EXPECT_FLOAT_EQ(float(drawn.back().y2), window.tipSumY);
}

TEST_F(PhasorTest, ThePhasorSumWithoutTheSumWaveHasNoResultantLine)
{
    window.onCommand1Click();
    window.onCommand7Click();
    runOneFrame();
    const auto drawn = lastPicture();
    // Only the orange bar at x = 133 remains of the sum.
    ASSERT_EQ(count(drawn, sumColour, Primitive::Kind::Line), 1);
    EXPECT_EQ(count(drawn, resultantCircle, Primitive::Kind::Circle), 1);

    window.onCommand1Click();
    runOneFrame();
    const auto alone = lastPicture();
    EXPECT_EQ(count(alone, sumColour, Primitive::Kind::Line), 0);
    EXPECT_EQ(count(alone, resultantCircle, Primitive::Kind::Circle), 0);
    EXPECT_EQ(count(alone, wave1Colour, Primitive::Kind::Line), 2);
    EXPECT_EQ(count(alone, grey, Primitive::Kind::Line), 3);
    EXPECT_EQ(alone.back().x1, 127);
}

TEST_F(PhasorTest, TheMarkerFollowsTheMouseColumnByColumn)
{
    hover(937, 500);
    EXPECT_EQ(window.selectedPoint, 31);
    EXPECT_EQ(window.markerX, 937.0f);
    EXPECT_EQ(window.Picture1->canvas().pixel(937, 500), white);
    EXPECT_EQ(window.Picture2->canvas().drawWidth(), 3);
    hover(1510, 200);
    EXPECT_EQ(window.selectedPoint, 50);
    EXPECT_EQ(window.Picture1->canvas().pixel(937, 500), black);
    EXPECT_EQ(window.Picture1->canvas().pixel(1507, 500), white);
    // Left of the first column: column −1, its marker out of sight.
    window.onPicture1MouseDown(1, 0, -5, 0);
    EXPECT_EQ(window.selectedPoint, -1);
    EXPECT_EQ(window.markerX, -23.0f);
}

TEST_F(PhasorTest, TheSwatchesPaintTheMarkerOverAndHidingThemRedrawsIt)
{
    hover(937, 500);
    window.onCommand2Click();
    EXPECT_EQ(window.Picture1->canvas().pixel(937, 500), black);
    window.onCommand2Click();
    EXPECT_EQ(window.Picture1->canvas().pixel(937, 500), white);
}

TEST_F(PhasorTest, TheMouseFarOutsideTheBarsIsHarmless)
{
    window.onCommand6Click();
    window.onCommand1Click();
    for (double x : {-1e6, -40.0, 3100.0, 1e7}) {
        SCOPED_TRACE(x);
        window.onPicture1MouseMove(1, 0, x, -1e6);
        EXPECT_EQ(window.markerX, float(30 * window.selectedPoint + 7));
        runOneFrame();
        EXPECT_TRUE(std::isfinite(window.phase1));
    }
    EXPECT_EQ(window.selectedPoint, 32767);
    // A held button keeps the moves coming beyond the surface's edges.
    QTest::mousePress(window.Picture1, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseMove(window.Picture1, QPoint(-300, 2000));
    QTest::mouseRelease(window.Picture1, Qt::LeftButton, {}, QPoint(-300, 2000));
    EXPECT_LT(window.selectedPoint, 0);
}

TEST_F(PhasorTest, ANewColumnShowsInTheNextFramesPhasors)
{
    window.onCommand6Click();
    post([this] {
        window.onPicture1MouseMove(0, 0, 10, 0);
        window.onCommand3Click();
    });
    window.onCommand3Click();
    // This frame's phasors were drawn before the move, at column 50.
    EXPECT_FLOAT_EQ(float(lastPicture()[0].x2), float(100 * std::cos(double(float(50 * window.waveNumber)))));
    const float phase = window.timePhase;
    runOneFrame();
    EXPECT_FLOAT_EQ(float(lastPicture()[0].x2), float(100 * std::cos(double(phase))));
}

} // namespace
