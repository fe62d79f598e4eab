#include "layout.h"

#include "surface.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace platform {
namespace {

constexpr double twipsPerInch = 1440.0;

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
        return {scale.left, scale.top, scale.pixelsPerUnitX(), scale.pixelsPerUnitY(),
                surface->hasBorder() ? 1 : 0};
    }
    const double perTwip = 1.0 / twipsPerPixel();
    return {0, 0, perTwip, perTwip, 0};
}

int toPixel(double v)
{
    return static_cast<int>(std::lround(v));
}

} // namespace

double twipsPerPixel()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchX() : 96.0;
    return twipsPerInch / (dpi > 0 ? dpi : 96.0);
}

int twipsToPixels(double twips)
{
    return toPixel(twips / twipsPerPixel());
}

double pixelsToTwips(double pixels)
{
    return pixels * twipsPerPixel();
}

QSizeF screenSizeTwips()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1280, 1024);
    return {pixelsToTwips(size.width()), pixelsToTwips(size.height())};
}

void setGeometry(QWidget* control, double left, double top, double width, double height)
{
    const ContainerUnits u = unitsOf(control->parentWidget());
    // A turned-round axis still gives a control its extent downwards and rightwards.
    double x = (left - u.left) * u.pixelsPerUnitX;
    double y = (top - u.top) * u.pixelsPerUnitY;
    const double w = std::abs(width * u.pixelsPerUnitX);
    const double h = std::abs(height * u.pixelsPerUnitY);
    if (u.pixelsPerUnitX < 0)
        x -= w;
    if (u.pixelsPerUnitY < 0)
        y -= h;
    control->setGeometry(toPixel(x) + u.border, toPixel(y) + u.border, std::max(0, toPixel(w)),
                         std::max(0, toPixel(h)));
}

double left(const QWidget* control)
{
    const ContainerUnits u = unitsOf(control->parentWidget());
    const double px = control->x() - u.border + (u.pixelsPerUnitX < 0 ? control->width() : 0);
    return u.left + px / u.pixelsPerUnitX;
}

double top(const QWidget* control)
{
    const ContainerUnits u = unitsOf(control->parentWidget());
    const double px = control->y() - u.border + (u.pixelsPerUnitY < 0 ? control->height() : 0);
    return u.top + px / u.pixelsPerUnitY;
}

double width(const QWidget* control)
{
    return control->width() / std::abs(unitsOf(control->parentWidget()).pixelsPerUnitX);
}

double height(const QWidget* control)
{
    return control->height() / std::abs(unitsOf(control->parentWidget()).pixelsPerUnitY);
}

// Each edge setter moves only its own pixel edge, so the others keep their rounding.
void setLeft(QWidget* control, double v)
{
    const ContainerUnits u = unitsOf(control->parentWidget());
    double x = (v - u.left) * u.pixelsPerUnitX - (u.pixelsPerUnitX < 0 ? control->width() : 0);
    control->move(toPixel(x) + u.border, control->y());
}

void setTop(QWidget* control, double v)
{
    const ContainerUnits u = unitsOf(control->parentWidget());
    double y = (v - u.top) * u.pixelsPerUnitY - (u.pixelsPerUnitY < 0 ? control->height() : 0);
    control->move(control->x(), toPixel(y) + u.border);
}

void setWidth(QWidget* control, double v)
{
    const ContainerUnits u = unitsOf(control->parentWidget());
    control->resize(std::max(0, toPixel(std::abs(v * u.pixelsPerUnitX))), control->height());
}

void setHeight(QWidget* control, double v)
{
    const ContainerUnits u = unitsOf(control->parentWidget());
    control->resize(control->width(), std::max(0, toPixel(std::abs(v * u.pixelsPerUnitY))));
}

} // namespace platform
