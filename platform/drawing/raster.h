// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

#include <vector>

namespace platform::raster {

// Aliased primitives written straight into an RGB32 image, in device pixels. Each primitive
// covers a set of pixels that depends only on its arguments (not on the direction in which a
// line is given), so drawing it again in the background colour erases it without a trace.
// Every function returns the rectangle of pixels it may have touched (clipped to the image).

// The image to draw into and, optionally, a second image of the same size that receives the
// same pixels in the same pass (the persistent layer beside the screen).
// A layer whose rows are filled with their background only when first written to, so that rows
// never drawn on are never touched and cost no memory.
struct LazyRows {
    std::vector<char>* ready;
    QRgb background;
};

struct Target {
    // Implicit: a plain image is a target of its own.
    Target(QImage& image, QImage* mirror = nullptr, std::vector<QPoint>* rows = nullptr, LazyRows imageRows = {},
           LazyRows mirrorRows = {})
        : image(image), mirror(mirror), rows(rows), imageRows(imageRows), mirrorRows(mirrorRows)
    {
    }
    QImage& image;
    QImage* mirror;
    // Optionally, per image row, the leftmost (x) and rightmost (y) pixel written, widened.
    std::vector<QPoint>* rows;
    // Optionally, the rows of the image and of the mirror that hold their background yet.
    LazyRows imageRows;
    LazyRows mirrorRows;
};

// A line of `width` pixels with round caps; width 1 is a one-pixel-wide line through both end
// pixels.
QRect line(const Target& target, QPointF from, QPointF to, int width, QRgb colour);

// A round dot of `width` pixels centred on `centre`.
QRect dot(const Target& target, QPointF centre, int width, QRgb colour);

// A circle outline of radius `radius` pixels about `centre`, `width` pixels thick.
QRect circle(const Target& target, QPointF centre, double radius, int width, QRgb colour);

} // namespace platform::raster
