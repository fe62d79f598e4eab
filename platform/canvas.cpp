// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "canvas.h"

#include "layout.h"
#include "raster.h"

#include <QPainter>

#include <cmath>
#include <cstring>
#include <utility>

namespace platform {

Canvas::Canvas()
{
    resize({1, 1}, 1.0);
}

void Canvas::resize(QSize logicalSize, qreal devicePixelRatio)
{
    logicalSize = logicalSize.expandedTo({1, 1});
    const QSize device = (QSizeF(logicalSize) * devicePixelRatio).toSize().expandedTo({1, 1});
    m_logicalSize = logicalSize;
    m_dpr = devicePixelRatio;
    m_scale.pixels = logicalSize;
    if (!m_customScale) {
        m_scale.width = pixelsToTwips(logicalSize.width());
        m_scale.height = pixelsToTwips(logicalSize.height());
    }
    if (m_screen.size() == device)
        return;
    auto grown = [&](const QImage& old) {
        QImage image(device, QImage::Format_RGB32);
        image.fill(m_backColor);
        if (!old.isNull()) {
            QPainter painter(&image);
            painter.drawImage(0, 0, old);
        }
        return image;
    };
    m_screen = grown(m_screen);
    m_persistent = grown(m_persistent);
    m_transient = m_transient.intersected(m_screen.rect());
    markDirty(m_screen.rect());
}

void Canvas::setScaleLeft(double v)
{
    m_scale.left = v;
    m_customScale = true;
}

void Canvas::setScaleTop(double v)
{
    m_scale.top = v;
    m_customScale = true;
}

void Canvas::setScaleWidth(double v)
{
    m_scale.width = v;
    m_customScale = true;
}

void Canvas::setScaleHeight(double v)
{
    m_scale.height = v;
    m_customScale = true;
}

void Canvas::setDrawWidth(int pixels)
{
    m_drawWidth = std::max(1, pixels);
}

void Canvas::setBackColor(const QColor& colour)
{
    m_backColor = colour;
    m_persistent.fill(colour);
    m_screen.fill(colour);
    m_transient = QRect();
    markDirty(m_screen.rect());
}

QPointF Canvas::toDevice(double x, double y) const
{
    return m_scale.toPixels(x, y) * m_dpr;
}

QPoint Canvas::devicePixel(double x, double y) const
{
    const QPointF p = toDevice(x, y);
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

QColor Canvas::pixel(double x, double y) const
{
    const QPoint p = devicePixel(x, y);
    if (!m_screen.rect().contains(p))
        return {};
    return m_screen.pixelColor(p);
}

QRgb Canvas::resolve(const QColor& colour) const
{
    return (colour.isValid() ? colour : m_foreColor).rgb();
}

int Canvas::devicePenWidth() const
{
    return std::max(1, static_cast<int>(std::lround(m_drawWidth * m_dpr)));
}

void Canvas::record(Primitive primitive)
{
    if (!m_recording)
        return;
    primitive.width = m_drawWidth;
    primitive.persistent = m_autoRedraw;
    m_log.push_back(primitive);
}

void Canvas::markDirty(QRect rect)
{
    if (rect.isEmpty())
        return;
    const bool wasClean = m_dirty.isEmpty();
    m_dirty |= rect;
    if (wasClean && m_dirtyHandler)
        m_dirtyHandler();
}

void Canvas::setDirtyHandler(std::function<void()> handler)
{
    m_dirtyHandler = std::move(handler);
    if (!m_dirty.isEmpty() && m_dirtyHandler)
        m_dirtyHandler();
}

QRect Canvas::takeDirty()
{
    return std::exchange(m_dirty, QRect());
}

template<typename Draw>
void Canvas::draw(Draw drawOn)
{
    // With AutoRedraw both layers receive the same pixels in one pass.
    const QRect touched = drawOn(raster::Target(m_screen, m_autoRedraw ? &m_persistent : nullptr));
    if (!m_autoRedraw)
        m_transient |= touched;
    markDirty(touched);
}

void Canvas::line(double x1, double y1, double x2, double y2, const QColor& colour)
{
    const QRgb rgb = resolve(colour);
    record({Primitive::Kind::Line, x1, y1, x2, y2, 0, QColor(rgb)});
    const QPointF from = toDevice(x1, y1);
    const QPointF to = toDevice(x2, y2);
    const int width = devicePenWidth();
    draw([&](const raster::Target& target) { return raster::line(target, from, to, width, rgb); });
    m_current = {x2, y2};
}

void Canvas::lineTo(double x2, double y2, const QColor& colour)
{
    line(m_current.x(), m_current.y(), x2, y2, colour);
}

void Canvas::pset(double x, double y, const QColor& colour)
{
    const QRgb rgb = resolve(colour);
    record({Primitive::Kind::Dot, x, y, x, y, 0, QColor(rgb)});
    const QPointF centre = toDevice(x, y);
    const int width = devicePenWidth();
    draw([&](const raster::Target& target) { return raster::dot(target, centre, width, rgb); });
    m_current = {x, y};
}

void Canvas::circle(double x, double y, double radius, const QColor& colour)
{
    const QRgb rgb = resolve(colour);
    record({Primitive::Kind::Circle, x, y, x, y, radius, QColor(rgb)});
    const QPointF centre = toDevice(x, y);
    const double pixels = std::abs(radius * m_scale.pixelsPerUnitX()) * m_dpr;
    const int width = devicePenWidth();
    draw([&](const raster::Target& target) { return raster::circle(target, centre, pixels, width, rgb); });
    m_current = {x, y};
}

void Canvas::cls()
{
    record({Primitive::Kind::Clear, 0, 0, 0, 0, 0, m_backColor});
    m_current = {m_scale.left, m_scale.top};
    if (m_autoRedraw) {
        m_persistent.fill(m_backColor);
        m_screen.fill(m_backColor);
        m_transient = QRect();
        markDirty(m_screen.rect());
        return;
    }
    // Only the rows where transient drawing stands are copied back from the persistent layer,
    // so clearing a few red lines off a full-screen field stays cheap.
    const QRect area = std::exchange(m_transient, QRect());
    if (area.isEmpty())
        return;
    const auto bytesPerPixel = sizeof(QRgb);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        std::memcpy(m_screen.scanLine(y) + area.left() * bytesPerPixel,
                    m_persistent.constScanLine(y) + area.left() * bytesPerPixel,
                    static_cast<size_t>(area.width()) * bytesPerPixel);
    }
    markDirty(area);
}

} // namespace platform
