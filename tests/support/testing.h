// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <platform/drawing/canvas.h>

#include <QColor>
#include <QImage>
#include <QLocale>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <vector>

namespace testing_support {

// The plain colours the tests name most.
inline const QColor white(255, 255, 255);
inline const QColor black(0, 0, 0);
inline const QColor red(255, 0, 0);
inline const QColor blue(0, 0, 255);

// Posts an action into the event queue, so that it runs inside the next yield of a running loop,
// as a user's action would.
void post(std::function<void()> action);

// Counts the pixels of a colour in an image (or its rectangle).
int countPixels(const QImage& image, const QColor& colour, QRect area = {});

// Pixels that differ between two images of the same size.
int differingPixels(const QImage& a, const QImage& b);

// The centre of a widget in its own coordinates.
QPoint centreOf(const QWidget* widget);

// Pixels of a colour on a canvas's screen, in the rectangle between two points in its user units.
int countIn(const platform::Canvas& canvas, const QColor& colour, double x1, double y1, double x2, double y2);

// Whether a recorded primitive is a line of this colour and pen width.
bool isLine(const platform::Primitive& p, const QColor& colour, int width);

// Switches the default locale for one test and restores it.
class LocaleScope {
public:
    explicit LocaleScope(QLocale::Language language);
    ~LocaleScope();
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    QLocale m_saved;
};

} // namespace testing_support

namespace testing_support {

// The controls that Tab visits in a shown, active window, in order, once round.
std::vector<QWidget*> tabCycle(QWidget* window);

} // namespace testing_support
