// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QSizeF>

class QWidget;

namespace platform {

// Twips are 1/1440 inch: 15 to a pixel at 96 dpi.
double twipsPerPixel();
int twipsToPixels(double twips);
double pixelsToTwips(double pixels);

// The screen's size in twips.
QSizeF screenSizeTwips();

// A control's place in its container's units: the container's user units when it is a drawing
// surface (a window or picture box), twips otherwise (a frame). Setting one edge keeps the others.
void setGeometry(QWidget* control, double left, double top, double width, double height);
void setLeft(QWidget* control, double left);
void setTop(QWidget* control, double top);
void setWidth(QWidget* control, double width);
void setHeight(QWidget* control, double height);
// Read back from the control's pixel geometry, so they carry its rounding.
double left(const QWidget* control);
double top(const QWidget* control);
double width(const QWidget* control);
double height(const QWidget* control);

} // namespace platform
