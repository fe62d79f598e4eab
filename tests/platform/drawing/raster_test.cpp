// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <platform/drawing/raster.h>

#include <support/testing.h>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace platform;
using testing_support::countPixels;

constexpr QRgb white = 0xffffffff;
constexpr QRgb black = 0xff000000;
constexpr QRgb red = 0xffff0000;
constexpr QRgb grey = 0xff808080;

QImage blank(int w = 200, int h = 160)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(white);
    return image;
}

// Fractional end points at odd angles, as user coordinates map to them.
const std::vector<std::pair<QPointF, QPointF>> oddLines = {
    {{10.3, 20.7}, {187.9, 61.2}}, {{33.5, 150.25}, {47.1, 4.6}},   {{100.5, 80.5}, {100.5, 80.5}},
    {{5.9, 5.1}, {150.2, 149.8}},  {{160.4, 12.2}, {20.6, 140.01}}, {{70.0, 30.0}, {70.0, 130.0}},
    {{12.2, 99.9}, {190.7, 99.4}}, {{-50.0, -20.0}, {120.3, 77.7}}, {{150.0, 10.0}, {300.0, 500.0}},
};

TEST(Raster, ADrawnPrimitiveErasesWithoutATraceInTheBackgroundColour)
{
    for (int width = 1; width <= 6; ++width) {
        for (const auto& [from, to] : oddLines) {
            QImage image = blank();
            raster::line(image, from, to, width, red);
            EXPECT_GT(countPixels(image, QColor(red)), 0) << width;
            raster::line(image, from, to, width, white);
            EXPECT_EQ(countPixels(image, QColor(red)), 0) << "width " << width << " from " << from.x();
        }
    }
    for (int width : {3, 5}) {
        for (QPointF centre : {QPointF(50.2, 60.7), QPointF(0.4, 0.4), QPointF(199.9, 100.5)}) {
            QImage image = blank();
            raster::dot(image, centre, width, red);
            raster::dot(image, centre, width, white);
            EXPECT_EQ(countPixels(image, QColor(red)), 0);
        }
    }
}

TEST(Raster, ALineCoversTheSamePixelsInEitherDirection)
{
    for (int width = 1; width <= 6; ++width) {
        for (const auto& [from, to] : oddLines) {
            QImage forwards = blank();
            QImage backwards = blank();
            raster::line(forwards, from, to, width, black);
            raster::line(backwards, to, from, width, black);
            EXPECT_EQ(testing_support::differingPixels(forwards, backwards), 0) << width;
        }
    }
}

TEST(Raster, PenWidthIsTheLineWidthInPixels)
{
    for (int width = 1; width <= 6; ++width) {
        QImage image = blank();
        raster::line(image, {100.3, 20.2}, {100.3, 120.6}, width, black);
        // Across the middle of a vertical line exactly `width` pixels are set.
        EXPECT_EQ(countPixels(image, QColor(black), QRect(0, 70, 200, 1)), width);
        QImage flat = blank();
        raster::line(flat, {20.0, 80.4}, {150.0, 80.4}, width, black);
        EXPECT_EQ(countPixels(flat, QColor(black), QRect(85, 0, 1, 160)), width);
    }
}

TEST(Raster, OnePixelLinesAreConnectedAndIncludeBothEnds)
{
    QImage image = blank();
    raster::line(image, {10.5, 10.5}, {110.5, 40.5}, 1, black);
    EXPECT_EQ(QColor(image.pixel(10, 10)), QColor(black));
    EXPECT_EQ(QColor(image.pixel(110, 40)), QColor(black));
    // One pixel per column along the longer axis.
    EXPECT_EQ(countPixels(image, QColor(black)), 101);
}

TEST(Raster, DotsAreRoundAndOfTheirWidth)
{
    QImage image = blank();
    raster::dot(image, {50.5, 50.5}, 1, black);
    EXPECT_EQ(countPixels(image, QColor(black)), 1);
    image = blank();
    raster::dot(image, {50.5, 50.5}, 3, black);
    EXPECT_EQ(countPixels(image, QColor(black)), 9);
    image = blank();
    raster::dot(image, {50.5, 50.5}, 5, black);
    // A 5 × 5 square without its four corners.
    EXPECT_EQ(countPixels(image, QColor(black)), 21);
    EXPECT_EQ(QColor(image.pixel(48, 48)), QColor(white));
    EXPECT_EQ(QColor(image.pixel(48, 50)), QColor(black));
    EXPECT_EQ(QColor(image.pixel(52, 50)), QColor(black));
}

TEST(Raster, CirclesAreRoundClosedAndClipped)
{
    QImage image = blank(400, 400);
    raster::circle(image, {200.5, 200.5}, 100, 1, black);
    int set = 0;
    for (int y = 0; y < 400; ++y) {
        for (int x = 0; x < 400; ++x) {
            if (image.pixel(x, y) != black)
                continue;
            ++set;
            EXPECT_NEAR(std::hypot(x - 200, y - 200), 100, 1.0);
        }
    }
    // Eight-connected: about 4·r·√2 pixels for a thin circle.
    EXPECT_NEAR(set, 4 * 100 * std::sqrt(2.0), 12);
    for (int x : {100, 300})
        EXPECT_EQ(QColor(image.pixel(x, 200)), QColor(black));

    // A circle far larger than the image draws only its visible arc and erases without a trace.
    QImage big = blank();
    raster::circle(big, {-3000.2, 80.7}, 3100.4, 1, red);
    EXPECT_GT(countPixels(big, QColor(red)), 100);
    raster::circle(big, {-3000.2, 80.7}, 3100.4, 1, white);
    EXPECT_EQ(countPixels(big, QColor(red)), 0);

    QImage thick = blank();
    raster::circle(thick, {100.5, 80.5}, 40, 3, red);
    EXPECT_EQ(countPixels(thick, QColor(red), QRect(0, 80, 200, 1)), 6);
}

// Every pixel of a thin circle, stepped over the whole of each octant pair: what the drawing
// must match when it passes over arcs outside the image.
QImage everyOctantStep(QSize size, QPointF centre, double radius)
{
    QImage image = blank(size.width(), size.height());
    const auto cx = static_cast<long long>(std::floor(centre.x()));
    const auto cy = static_cast<long long>(std::floor(centre.y()));
    const auto reach = static_cast<long long>(std::floor(radius / std::sqrt(2.0)));
    const auto plot = [&image](long long x, long long y) {
        if (x >= 0 && y >= 0 && x < image.width() && y < image.height())
            image.setPixel(int(x), int(y), black);
    };
    for (long long d = -reach; d <= reach; ++d) {
        const long long h = std::llround(std::sqrt(radius * radius - double(d * d)));
        plot(cx + d, cy - h);
        plot(cx + d, cy + h);
        plot(cx - h, cy + d);
        plot(cx + h, cy + d);
    }
    return image;
}

TEST(Raster, CirclesLargerThanTheImageDrawExactlyTheirVisibleArcs)
{
    // The field of elementary waves: centres at the left edge, radii up to far beyond the image.
    const QSize size(300, 200);
    for (const QPointF centre :
         {QPointF(0.4, 100.5), QPointF(0.4, -30.2), QPointF(150.5, 99.5), QPointF(-20.7, 260.1)}) {
        for (const double radius : {0.0, 1.0, 37.5, 99.6, 100.5, 180.2, 250.0, 361.3, 1500.7, 4000.0}) {
            QImage drawn = blank(size.width(), size.height());
            raster::circle(drawn, centre, radius, 1, black);
            EXPECT_EQ(testing_support::differingPixels(drawn, everyOctantStep(size, centre, radius)), 0)
                << "centre " << centre.x() << ", " << centre.y() << ", radius " << radius;
        }
    }
}

TEST(Raster, NonFiniteAndHugeCoordinatesDrawSafely)
{
    QImage image = blank();
    raster::line(image, {NAN, 1}, {10, 10}, 3, black);
    raster::circle(image, {10, 10}, INFINITY, 1, black);
    EXPECT_EQ(countPixels(image, QColor(black)), 0);
    raster::line(image, {-1e12, 50.5}, {1e12, 50.5}, 2, black);
    EXPECT_EQ(countPixels(image, QColor(black)), 400);
    raster::line(image, {-1e12, -1e12}, {1e12, 1e12}, 1, grey);
    EXPECT_GT(countPixels(image, QColor(grey)), 100);
}

} // namespace
