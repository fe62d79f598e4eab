#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>

namespace platform::raster {

// Aliased primitives written straight into an RGB32 image, in device pixels. Each primitive
// covers a set of pixels that depends only on its arguments (not on the direction in which a
// line is given), so drawing it again in the background colour erases it without a trace.
// Every function returns the rectangle of pixels it may have touched (clipped to the image).

// A line of `width` pixels with round caps; width 1 is a one-pixel-wide line through both end
// pixels.
QRect line(QImage& image, QPointF from, QPointF to, int width, QRgb colour);

// A round dot of `width` pixels centred on `centre`.
QRect dot(QImage& image, QPointF centre, int width, QRgb colour);

// A circle outline of radius `radius` pixels about `centre`, `width` pixels thick.
QRect circle(QImage& image, QPointF centre, double radius, int width, QRgb colour);

} // namespace platform::raster
