// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <orvane/form3.h>
#include <orvane/program.h>

#include <platform/widgets/layout.h>
#include <support/testing.h>

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

using platform::Primitive;

using testing_support::black;
using testing_support::red;

double length(double x, double y)
{
    return std::hypot(x, y);
}

// The panel's drawing of one point display, split into its parts.
struct PanelDrawing {
    std::vector<Primitive> chain; // the phasors head to tail
    Primitive resultant; // red, from the chain's end to the origin
    std::vector<Primitive> rowDots; // the tails of the single phasors
    std::vector<Primitive> rowLines; // the single phasors
};

PanelDrawing splitPanelLog(const std::vector<Primitive>& log, int sources)
{
    PanelDrawing d;
    // Clear, origin dot, chain, two end dots, resultant, then a dot and a line per row.
    EXPECT_EQ(log.size(), static_cast<std::size_t>(2 + sources + 3 + 2 * sources));
    if (log.size() != static_cast<std::size_t>(5 + 3 * sources))
        return d;
    EXPECT_EQ(log[0].kind, Primitive::Kind::Clear);
    EXPECT_EQ(log[1].kind, Primitive::Kind::Dot);
    EXPECT_EQ(QPointF(log[1].x1, log[1].y1), QPointF(0, 0));
    for (int i = 0; i < sources; ++i)
        d.chain.push_back(log[2 + i]);
    const std::size_t end = 2 + sources;
    EXPECT_EQ(log[end].kind, Primitive::Kind::Dot);
    EXPECT_EQ(log[end].width, 5);
    EXPECT_EQ(QPointF(log[end].x1, log[end].y1), QPointF(0, 0));
    EXPECT_EQ(log[end + 1].kind, Primitive::Kind::Dot);
    EXPECT_EQ(log[end + 1].width, 5);
    d.resultant = log[end + 2];
    for (int i = 0; i < sources; ++i) {
        d.rowDots.push_back(log[end + 3 + 2 * i]);
        d.rowLines.push_back(log[end + 4 + 2 * i]);
    }
    return d;
}

TEST(Form3Phasors, PressAtAPointGivesTheExactPhasesChainAndResultant)
{
    orvane::Program program;
    orvane::Form3& form = program.form3();
    form.show();
    form.canvas().setRecording(true);
    form.Picture3->canvas().setRecording(true);

    form.onMouseDown(1, 0, 1000, 200);

    const double expected[] = {3.737, 2.767, 1.934, 1.244, 0.703, 0.313, 0.078};
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(form.phase[i], expected[i], 0.0005) << "source " << i;
    EXPECT_NEAR(form.dist, 1001.25, 0.005) << "the last source's distance";

    const PanelDrawing d = splitPanelLog(form.Picture3->canvas().log(), 7);
    ASSERT_EQ(d.chain.size(), 7u);
    for (std::size_t i = 0; i < d.chain.size(); ++i) {
        const Primitive& p = d.chain[i];
        EXPECT_EQ(p.kind, Primitive::Kind::Line);
        EXPECT_EQ(p.colour, black);
        EXPECT_EQ(p.width, 1);
        EXPECT_NEAR(length(p.x2 - p.x1, p.y2 - p.y1), 80, 1e-4) << "every phasor is 80 long";
        EXPECT_NEAR(std::atan2(p.y2 - p.y1, p.x2 - p.x1), std::remainder(expected[i], 2 * std::numbers::pi), 0.001);
    }
    EXPECT_NEAR(d.chain.back().x2, 73.49, 0.01);
    EXPECT_NEAR(d.chain.back().y2, 217.63, 0.01);
    EXPECT_EQ(d.resultant.kind, Primitive::Kind::Line);
    EXPECT_EQ(d.resultant.colour, red);
    EXPECT_EQ(d.resultant.width, 2);
    EXPECT_EQ(QPointF(d.resultant.x2, d.resultant.y2), QPointF(0, 0));
    EXPECT_NEAR(length(d.resultant.x1, d.resultant.y1), 229.7, 0.05);
    EXPECT_EQ(form.sumx, 0.0);
    EXPECT_EQ(form.sumy, 0.0f);

    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(QPointF(d.rowDots[i].x1, d.rowDots[i].y1), QPointF(-500, 100 * i - 300));
        EXPECT_EQ(d.rowDots[i].width, 3);
        const Primitive& row = d.rowLines[i];
        EXPECT_EQ(QPointF(row.x1, row.y1), QPointF(-500, 100 * i - 300));
        EXPECT_NEAR(row.x2, 80 * std::cos(expected[i]) - 500, 0.05);
        EXPECT_NEAR(row.y2, 100 * i - 300 + 80 * std::sin(expected[i]), 0.05);
        EXPECT_EQ(row.width, 1);
    }

    // Red lines of width 2 from the point to every source, top source first, transient.
    const auto& lines = form.canvas().log();
    ASSERT_EQ(lines.size(), 7u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(QLineF(lines[i].x1, lines[i].y1, lines[i].x2, lines[i].y2), QLineF(1000, 200, 0, 50 * i - 150));
        EXPECT_EQ(lines[i].colour, red);
        EXPECT_EQ(lines[i].width, 2);
        EXPECT_FALSE(lines[i].persistent);
    }
    EXPECT_EQ(form.canvas().drawWidth(), 1);

    // The panel's top-left corner sits at the point.
    EXPECT_TRUE(form.Picture3->isVisible());
    EXPECT_NEAR(platform::leftInUnits(form.Picture3), 1000, 4000.0 / form.width());
    EXPECT_NEAR(platform::topInUnits(form.Picture3), 200, 2925.0 / form.height());
}

TEST(Form3Phasors, ResultantFromTheMiddleSourceAndFarOutOnTheAxis)
{
    orvane::Program program;
    orvane::Form3& form = program.form3();
    form.show();
    platform::Canvas& panel = form.Picture3->canvas();
    panel.setRecording(true);

    form.onMouseDown(1, 0, 0, 0);
    EXPECT_EQ(form.phase[3], 0.0f) << "the middle phasor points right";
    for (int i : {2, 4, 0, 6})
        EXPECT_NEAR(form.phase[i], std::numbers::pi, 1e-6) << i;
    for (int i : {1, 5})
        EXPECT_NEAR(form.phase[i], 0, 1e-6) << i;
    PanelDrawing d = splitPanelLog(panel.log(), 7);
    EXPECT_NEAR(length(d.resultant.x1, d.resultant.y1), 80, 1e-3);

    panel.clearLog();
    form.onMouseDown(1, 0, 3000, 0);
    d = splitPanelLog(panel.log(), 7);
    EXPECT_NEAR(length(d.resultant.x1, d.resultant.y1), 557.7, 0.05);

    form.HScroll2->setValue(6);
    panel.clearLog();
    form.onMouseDown(1, 0, 3000, 0);
    d = splitPanelLog(panel.log(), 13);
    EXPECT_NEAR(length(d.resultant.x1, d.resultant.y1), 986.3, 0.05);
    EXPECT_EQ(d.rowDots.back().y1, 600) << "the top row runs past the panel's edge";

    form.HScroll2->setValue(1);
    panel.clearLog();
    form.onMouseDown(1, 0, 800, -300);
    d = splitPanelLog(panel.log(), 3);
    ASSERT_EQ(d.rowDots.size(), 3u);
    EXPECT_EQ(d.rowDots[0].y1, -100);
    EXPECT_EQ(d.rowDots[1].y1, 0);
    EXPECT_EQ(d.rowDots[2].y1, 100);
}

TEST(Form3Phasors, ReleaseRemovesTheRedLinesButNotTheFieldOrThePanel)
{
    orvane::Program program;
    orvane::Form3& form = program.form3();
    form.show();
    const QImage field = form.canvas().persistent();
    const QPoint point = form.canvas().devicePixel(1800, -600);

    QTest::mousePress(&form, Qt::LeftButton, {}, point);
    EXPECT_TRUE(form.Picture3->isVisible());
    EXPECT_EQ(form.Picture3->pos(), point) << "the panel's corner at the pointer";
    EXPECT_GT(testing_support::countPixels(form.canvas().screen(), red), 100);
    EXPECT_EQ(form.canvas().pixel(900, -300 - 75), red) << "half-way to the middle source";
    const QImage panel = form.Picture3->canvas().screen();
    EXPECT_GT(testing_support::countPixels(panel, red), 0) << "the resultant";
    EXPECT_GT(testing_support::countPixels(panel, black), 0) << "the chain and rows";

    QTest::mouseRelease(&form, Qt::LeftButton, {}, point);
    EXPECT_EQ(testing_support::countPixels(form.canvas().screen(), red), 0);
    EXPECT_EQ(testing_support::differingPixels(form.canvas().screen(), field), 0);
    EXPECT_EQ(testing_support::differingPixels(form.canvas().persistent(), field), 0);
    EXPECT_TRUE(form.Picture3->isVisible());
    EXPECT_EQ(testing_support::differingPixels(form.Picture3->canvas().screen(), panel), 0);
}

TEST(Form3Phasors, LeftDragFollowsThePointerOtherMovesOnlyRedrawTheRows)
{
    orvane::Program program;
    orvane::Form3& form = program.form3();
    form.show();
    form.onMouseDown(1, 0, 1000, 200);
    platform::Canvas& field = form.canvas();
    platform::Canvas& panel = form.Picture3->canvas();
    field.setRecording(true);
    panel.setRecording(true);

    form.onMouseMove(1, 0, 1500, -200);
    ASSERT_FALSE(field.log().empty());
    EXPECT_EQ(field.log().front().kind, platform::Primitive::Kind::Clear) << "the old lines go first";
    EXPECT_EQ(field.log().size(), 8u);
    EXPECT_EQ(QPointF(field.log()[1].x1, field.log()[1].y1), QPointF(1500, -200));
    EXPECT_EQ(panel.log().size(), 5u + 3u * 7u);
    EXPECT_NEAR(platform::leftInUnits(form.Picture3), 1500, 4000.0 / form.width());
    EXPECT_NEAR(platform::topInUnits(form.Picture3), -200, 2925.0 / form.height());
    const std::array<float, 18> phases = form.phase;
    const QImage lines = field.screen();
    const QImage drawing = panel.screen();
    const QPoint panelAt = form.Picture3->pos();

    // Both buttons held, the right one alone, or none: only the rows, drawn over themselves.
    for (int buttons : {3, 2, 0}) {
        field.clearLog();
        panel.clearLog();
        form.onMouseMove(buttons, 0, 500, 700);
        EXPECT_TRUE(field.log().empty()) << buttons;
        ASSERT_EQ(panel.log().size(), 14u) << buttons;
        EXPECT_EQ(panel.log().front().kind, platform::Primitive::Kind::Dot);
        EXPECT_EQ(form.phase, phases);
        EXPECT_EQ(form.Picture3->pos(), panelAt);
        EXPECT_EQ(testing_support::differingPixels(panel.screen(), drawing), 0);
        EXPECT_EQ(testing_support::differingPixels(field.screen(), lines), 0);
    }
}

TEST(Form3Phasors, RowsAreDrawnIntoTheHiddenPanelAndTheNextPressClearsIt)
{
    orvane::Program program;
    orvane::Form3& form = program.form3();
    form.show();
    platform::Canvas& panel = form.Picture3->canvas();
    // Before any press every phase is 0: the rows point right.
    form.onMouseMove(0, 0, 100, 100);
    EXPECT_FALSE(form.Picture3->isVisible());
    EXPECT_EQ(panel.pixel(-450, 0), black);

    form.onMouseDown(1, 0, 0, 0);
    EXPECT_TRUE(form.Picture3->isVisible());
    // Now the neighbours of the middle row point left, so the old right-pointing row is gone.
    EXPECT_NE(panel.pixel(-450, 100), black);
    EXPECT_EQ(panel.pixel(-550, 100), black);
}

} // namespace
