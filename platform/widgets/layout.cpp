// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "layout.h"

#include "platform/drawing/surface.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace platform {
namespace {

// Pixels per container unit along x and y, and the container's origin in its units.
struct ContainerUnits {
    double left = 0;
    double top = 0;
    double pixelsPerUnitX = 1;
    double pixelsPerUnitY = 1;
    int border = 0;
};

ContainerUnits unitsOf(const QWidget* container)
{
    if (const auto* surface = qobject_cast<const Surface*>(container)) {
        const UserScale& scale = surface->canvas().userScale();
        return {scale.left, scale.top, scale.pixelsPerUnitX(), scale.pixelsPerUnitY(), surface->hasBorder() ? 1 : 0};
    }
    const double perTwip = 1.0 / twipsPerPixel();
    return {0, 0, perTwip, perTwip, 0};
}

int toPixel(double v)
{
    return static_cast<int>(std::lround(v));
}

} // namespace

QSizeF screenSizeTwips()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1280, 1024);
    return {pixelsToTwips(size.width()), pixelsToTwips(size.height())};
}

void placeInUnits(QWidget* control, double left, double top, double width, double height)
{
    const ContainerUnits u = unitsOf(control->parentWidget());
    // Left and Top name the control's top-left corner; on a turned-round axis its extent still
    // runs rightwards and downwards on the screen.
    const double x = (left - u.left) * u.pixelsPerUnitX;
    const double y = (top - u.top) * u.pixelsPerUnitY;
    const double w = std::abs(width * u.pixelsPerUnitX);
    const double h = std::abs(height * u.pixelsPerUnitY);
    control->setGeometry(toPixel(x) + u.border, toPixel(y) + u.border, std::max(0, toPixel(w)),
                         std::max(0, toPixel(h)));
}

double leftInUnits(const QWidget* control)
{
    const ContainerUnits u = unitsOf(control->parentWidget());
    const double px = control->x() - u.border;
    return u.left + px / u.pixelsPerUnitX;
}

double topInUnits(const QWidget* control)
{
    const ContainerUnits u = unitsOf(control->parentWidget());
    const double px = control->y() - u.border;
    return u.top + px / u.pixelsPerUnitY;
}

double widthInUnits(const QWidget* control)
{
    return control->width() / std::abs(unitsOf(control->parentWidget()).pixelsPerUnitX);
}

double heightInUnits(const QWidget* control)
{
    return control->height() / std::abs(unitsOf(control->parentWidget()).pixelsPerUnitY);
}

// Each edge setter moves only its own pixel edge, so the others keep their rounding.
void setLeftInUnits(QWidget* control, double v)
{
    const ContainerUnits u = unitsOf(control->parentWidget());
    const double x = (v - u.left) * u.pixelsPerUnitX;
    control->move(toPixel(x) + u.border, control->y());
}

void setTopInUnits(QWidget* control, double v)
{
    const ContainerUnits u = unitsOf(control->parentWidget());
    const double y = (v - u.top) * u.pixelsPerUnitY;
    control->move(control->x(), toPixel(y) + u.border);
}

void setWidthInUnits(QWidget* control, double v)
{
    const ContainerUnits u = unitsOf(control->parentWidget());
    control->resize(std::max(0, toPixel(std::abs(v * u.pixelsPerUnitX))), control->height());
}

void setHeightInUnits(QWidget* control, double v)
{
    const ContainerUnits u = unitsOf(control->parentWidget());
    control->resize(control->width(), std::max(0, toPixel(std::abs(v * u.pixelsPerUnitY))));
}

} // namespace platform
