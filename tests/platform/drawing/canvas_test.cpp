// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <platform/drawing/canvas.h>
#include <platform/widgets/layout.h>

#include <support/testing.h>

#include <gtest/gtest.h>

namespace {

using platform::Canvas;
using platform::Primitive;
using testing_support::countPixels;

using testing_support::blue;
using testing_support::red;
using testing_support::white;

Canvas makeCanvas(QSize pixels = {300, 200})
{
    Canvas canvas;
    canvas.resize(pixels, 1.0);
    canvas.setScaleLeft(-150);
    canvas.setScaleTop(-100);
    canvas.setScaleWidth(300);
    canvas.setScaleHeight(200);
    return canvas;
}

TEST(Canvas, WithoutAScaleOfItsOwnItMeasuresInTwips)
{
    Canvas canvas;
    canvas.resize({100, 50}, 1.0);
    EXPECT_DOUBLE_EQ(canvas.scaleWidth(), platform::pixelsToTwips(100));
    EXPECT_DOUBLE_EQ(canvas.scaleHeight(), platform::pixelsToTwips(50));
    canvas.setScaleWidth(3000);
    canvas.resize({200, 50}, 1.0);
    EXPECT_DOUBLE_EQ(canvas.scaleWidth(), 3000);
}

TEST(Canvas, DrawsAtUserCoordinatesInForeColorOrTheGivenColour)
{
    Canvas canvas = makeCanvas();
    canvas.setForeColor(blue);
    canvas.setDrawWidth(3);
    canvas.line(-100, 0, 100, 0);
    EXPECT_EQ(canvas.pixel(0, 0), blue);
    EXPECT_EQ(canvas.pixel(0, 30), white);
    canvas.pset(50, 50, red);
    EXPECT_EQ(canvas.pixel(50, 50), red);
    EXPECT_EQ(canvas.devicePixel(-150, -100), QPoint(0, 0));
}

TEST(Canvas, LineAndPSetLeaveTheCurrentPointAtTheLastPointDrawn)
{
    Canvas canvas = makeCanvas();
    canvas.pset(10, 20);
    EXPECT_EQ(canvas.currentPoint(), QPointF(10, 20));
    canvas.lineTo(40, -30, red);
    EXPECT_EQ(canvas.currentPoint(), QPointF(40, -30));
    canvas.line(1, 2, 3, 4);
    EXPECT_EQ(canvas.currentPoint(), QPointF(3, 4));
    canvas.cls();
    EXPECT_EQ(canvas.currentPoint(), QPointF(-150, -100));
    canvas.setRecording(true);
    canvas.lineTo(0, 0);
    ASSERT_EQ(canvas.log().size(), 1u);
    EXPECT_EQ(canvas.log()[0].x1, -150);
    EXPECT_EQ(canvas.log()[0].y1, -100);
}

TEST(Canvas, ClsWithoutAutoRedrawLeavesThePersistentLayer)
{
    Canvas canvas = makeCanvas();
    canvas.setAutoRedraw(true);
    canvas.setDrawWidth(5);
    canvas.pset(0, 0, blue);
    canvas.setAutoRedraw(false);
    canvas.line(-100, 50, 100, 50, red);
    EXPECT_EQ(canvas.pixel(0, 50), red);
    canvas.takeDirty();
    canvas.cls();
    EXPECT_EQ(canvas.pixel(0, 50), white);
    EXPECT_EQ(canvas.pixel(0, 0), blue);
    // Only where the transient line stood is copied back and repainted.
    const QRegion repainted = canvas.takeDirty();
    EXPECT_TRUE(repainted.contains(canvas.devicePixel(0, 50)));
    EXPECT_FALSE(repainted.contains(canvas.devicePixel(0, 0)));
    EXPECT_EQ(testing_support::differingPixels(canvas.screen(), canvas.persistent()), 0);

    // Erasing a transient line over the persistent picture leaves a hole only until the next Cls.
    canvas.setDrawWidth(1);
    canvas.line(-100, 0, 100, 0, white);
    EXPECT_EQ(canvas.pixel(0, 0), white);
    canvas.cls();
    EXPECT_EQ(canvas.pixel(0, 0), blue);

    canvas.setAutoRedraw(true);
    canvas.cls();
    EXPECT_EQ(canvas.pixel(0, 0), white);
    EXPECT_EQ(countPixels(canvas.persistent(), blue), 0);
}

TEST(Canvas, CircleRadiusIsInXUnitsAndRoundOnTheScreen)
{
    Canvas canvas;
    canvas.resize({400, 300}, 1.0);
    // Units that are not square: one x unit is 0.1 pixels, one y unit 0.2.
    canvas.setScaleLeft(-2000);
    canvas.setScaleTop(-750);
    canvas.setScaleWidth(4000);
    canvas.setScaleHeight(1500);
    canvas.circle(0, 0, 1000, red);
    const QPoint centre = canvas.devicePixel(0, 0);
    const QImage& screen = canvas.screen();
    EXPECT_EQ(QColor(screen.pixel(centre.x() + 100, centre.y())), red);
    EXPECT_EQ(QColor(screen.pixel(centre.x(), centre.y() + 100)), red);
    EXPECT_EQ(QColor(screen.pixel(centre.x() - 100, centre.y())), red);
}

TEST(Canvas, RecordsEachPrimitiveWithItsPenAndLayer)
{
    Canvas canvas = makeCanvas();
    canvas.setRecording(true);
    canvas.setDrawWidth(4);
    canvas.line(0, 0, 10, 10, red);
    canvas.setAutoRedraw(true);
    canvas.setDrawWidth(1);
    canvas.circle(5, 5, 20);
    canvas.setAutoRedraw(false);
    canvas.cls();
    ASSERT_EQ(canvas.log().size(), 3u);
    EXPECT_EQ(canvas.log()[0].kind, Primitive::Kind::Line);
    EXPECT_EQ(canvas.log()[0].width, 4);
    EXPECT_EQ(canvas.log()[0].colour, red);
    EXPECT_FALSE(canvas.log()[0].persistent);
    EXPECT_EQ(canvas.log()[1].kind, Primitive::Kind::Circle);
    EXPECT_EQ(canvas.log()[1].radius, 20);
    EXPECT_EQ(canvas.log()[1].colour, QColor(Qt::black));
    EXPECT_TRUE(canvas.log()[1].persistent);
    EXPECT_EQ(canvas.log()[2].kind, Primitive::Kind::Clear);
}

TEST(Canvas, DrawingMarksOnlyWhatItTouchedAsDirty)
{
    Canvas canvas = makeCanvas();
    int notified = 0;
    canvas.setDirtyHandler([&] { ++notified; });
    // What was drawn before the handler came is announced at once.
    EXPECT_EQ(notified, 1);
    canvas.takeDirty();
    canvas.setDrawWidth(2);
    canvas.line(0, -50, 0, 50, red);
    canvas.line(10, -50, 10, 50, red);
    EXPECT_EQ(notified, 2);
    const QRegion dirty = canvas.takeDirty();
    EXPECT_TRUE(dirty.contains(canvas.devicePixel(0, 0)));
    EXPECT_TRUE(dirty.contains(canvas.devicePixel(10, 0)));
    EXPECT_FALSE(dirty.contains(canvas.devicePixel(100, 0)));
    EXPECT_TRUE(canvas.takeDirty().isEmpty());

    // A wide band of rows nothing was drawn on is left out; a narrow one is not worth a
    // rectangle of its own. Every drawn pixel is in the region either way.
    canvas.setDrawWidth(1);
    canvas.line(-100, -90, 100, -90, red);
    canvas.line(-100, 90, 100, 90, red);
    canvas.line(-100, 93, 100, 93, red);
    const QRegion apart = canvas.takeDirty();
    EXPECT_EQ(apart.rectCount(), 2);
    EXPECT_FALSE(apart.contains(canvas.devicePixel(0, 0)));
    EXPECT_TRUE(apart.contains(canvas.devicePixel(0, 91)));
    for (double y : {-90, 90, 93})
        for (double x : {-100, 0, 100})
            EXPECT_TRUE(apart.contains(canvas.devicePixel(x, y))) << x << ", " << y;
}

TEST(Canvas, HighDpiImagesScalePenWidthsWithThePixelRatio)
{
    Canvas canvas;
    canvas.resize({100, 100}, 2.0);
    canvas.setScaleWidth(100);
    canvas.setScaleHeight(100);
    EXPECT_EQ(canvas.screen().size(), QSize(200, 200));
    canvas.setDrawWidth(2);
    canvas.line(50, 10, 50, 90, red);
    EXPECT_EQ(countPixels(canvas.screen(), red, QRect(0, 100, 200, 1)), 4);
}

} // namespace
