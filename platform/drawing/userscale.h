// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QPointF>
#include <QSizeF>

namespace platform {

// Twips are 1/1440 inch: 15 to a pixel at 96 dpi.
double twipsPerPixel();
int twipsToPixels(double twips);
double pixelsToTwips(double pixels);

// The user coordinates of a surface: ScaleLeft and ScaleTop name its top-left corner, ScaleWidth
// and ScaleHeight its extent; a negative extent turns that axis round (y upwards). Maps to the
// surface's pixels and back. A plain value, so that it can be tested without a window.
class UserScale {
public:
    UserScale() = default;
    UserScale(double left, double top, double width, double height, QSizeF pixels)
        : left(left), top(top), width(width), height(height), pixels(pixels)
    {
    }

    QPointF toPixels(double x, double y) const { return {(x - left) * pixelsPerUnitX(), (y - top) * pixelsPerUnitY()}; }
    QPointF toUser(QPointF pixel) const
    {
        return {left + pixel.x() / pixelsPerUnitX(), top + pixel.y() / pixelsPerUnitY()};
    }
    // Signed: negative where the axis is turned round.
    double pixelsPerUnitX() const { return width != 0 ? pixels.width() / width : 0; }
    double pixelsPerUnitY() const { return height != 0 ? pixels.height() / height : 0; }

    double left = 0;
    double top = 0;
    double width = 1;
    double height = 1;
    QSizeF pixels;
};

} // namespace platform
