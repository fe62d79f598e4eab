// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include "platform/drawing/userscale.h"

#include <QSizeF>

class QWidget;

namespace platform {

// The screen's size in twips.
QSizeF screenSizeTwips();

// A control's place in its container's units: the container's user units when it is a drawing
// surface (a window or picture box), twips otherwise (a frame). Setting one edge keeps the others.
void placeInUnits(QWidget* control, double left, double top, double width, double height);
void setLeftInUnits(QWidget* control, double left);
void setTopInUnits(QWidget* control, double top);
void setWidthInUnits(QWidget* control, double width);
void setHeightInUnits(QWidget* control, double height);
// Read back from the control's pixel geometry, so they carry its rounding.
double leftInUnits(const QWidget* control);
double topInUnits(const QWidget* control);
double widthInUnits(const QWidget* control);
double heightInUnits(const QWidget* control);

} // namespace platform
