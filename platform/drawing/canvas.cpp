// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "canvas.h"

#include "raster.h"

#include <QPainter>

#include <cmath>
#include <cstring>
#include <limits>
#include <utility>

namespace platform {

namespace {

// A row of the transient box that holds no transient pixel.
constexpr QPoint noTransientRow(std::numeric_limits<int>::max(), -1);

// Each rectangle handed to the screen costs about as much as copying this many pixels more (a
// request to the X server and a pass through Qt's painting), measured under Xvfb.
constexpr qint64 pixelsWorthARectangle = 4096;

} // namespace

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
    if (m_deviceSize == device)
        return;
    m_deviceSize = device;
    auto grown = [&](const QImage& old) {
        QImage image(device, QImage::Format_RGB32);
        image.fill(m_backColor);
        if (!old.isNull()) {
            QPainter painter(&image);
            painter.drawImage(0, 0, old);
        }
        return image;
    };
    if (!m_screen.isNull()) {
        completeRows(m_screen, m_screenReady);
        m_screen = grown(m_screen);
        m_screenReady.assign(std::size_t(device.height()), 1);
    }
    if (!m_persistent.isNull()) {
        completeRows(m_persistent, m_persistentReady);
        m_persistent = grown(m_persistent);
        m_persistentReady.assign(std::size_t(device.height()), 1);
    }
    m_dirty = m_dirty.intersected(QRect(QPoint(), device));
    m_dirtyRows.assign(std::size_t(device.height()), 0);
    m_transient = m_transient.intersected(QRect(QPoint(), device));
    // Rows of the old picture beyond the transient box keep nothing to restore.
    m_transientRows.assign(std::size_t(device.height()), noTransientRow);
    if (!m_transient.isEmpty())
        for (int y = m_transient.top(); y <= m_transient.bottom(); ++y)
            m_transientRows[std::size_t(y)] = QPoint(m_transient.left(), m_transient.right());
    markDirty(QRect(QPoint(), device));
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
    forgetRows(m_persistentReady);
    forgetRows(m_screenReady);
    clearTransientRows();
    markDirty(QRect(QPoint(), m_deviceSize));
}

void Canvas::clearTransientRows()
{
    if (!m_transient.isEmpty())
        for (int y = m_transient.top(); y <= m_transient.bottom(); ++y)
            m_transientRows[std::size_t(y)] = noTransientRow;
    m_transient = QRect();
}

// Both layers are made on first use, and their rows are filled with BackColor only when first
// drawn on: a surface never drawn on holds no image, and a few lines cost a few rows, not a
// window's worth. A row not yet filled is BackColor throughout.
QImage& Canvas::persistentLayer() const
{
    if (m_persistent.isNull()) {
        m_persistent = QImage(m_deviceSize, QImage::Format_RGB32);
        m_persistentReady.assign(std::size_t(m_deviceSize.height()), 0);
    }
    return m_persistent;
}

QImage& Canvas::screenLayer() const
{
    if (m_screen.isNull()) {
        m_screen = QImage(m_deviceSize, QImage::Format_RGB32);
        m_screenReady.assign(std::size_t(m_deviceSize.height()), 0);
    }
    return m_screen;
}

bool Canvas::persistentRowReady(int y) const
{
    return !m_persistent.isNull() && m_persistentReady[std::size_t(y)];
}

bool Canvas::screenRowReady(int y) const
{
    return !m_screen.isNull() && m_screenReady[std::size_t(y)];
}

void Canvas::forgetRows(std::vector<char>& ready)
{
    std::fill(ready.begin(), ready.end(), 0);
}

void Canvas::completeRows(QImage& layer, std::vector<char>& ready) const
{
    for (int y = 0; y < layer.height(); ++y) {
        if (!ready[std::size_t(y)]) {
            auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
            std::fill(row, row + layer.width(), m_backColor.rgb());
            ready[std::size_t(y)] = 1;
        }
    }
}

const QImage& Canvas::persistent() const
{
    completeRows(persistentLayer(), m_persistentReady);
    return m_persistent;
}

const QImage& Canvas::screen() const
{
    completeRows(screenLayer(), m_screenReady);
    return m_screen;
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
    if (!QRect(QPoint(), m_deviceSize).contains(p))
        return {};
    return screenRowReady(p.y()) ? m_screen.pixelColor(p) : QColor(m_backColor.rgb());
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
    std::fill(m_dirtyRows.begin() + rect.top(), m_dirtyRows.begin() + rect.bottom() + 1, 1);
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

QRegion Canvas::takeDirty()
{
    const QRect box = std::exchange(m_dirty, QRect());
    QRegion region;
    int runTop = box.top();
    for (int y = box.top(), lastDrawn = y; y <= box.bottom(); ++y) {
        if (!std::exchange(m_dirtyRows[std::size_t(y)], 0))
            continue;
        if (qint64(y - lastDrawn - 1) * box.width() >= pixelsWorthARectangle) {
            region += QRect(box.left(), runTop, box.width(), lastDrawn - runTop + 1);
            runTop = y;
        }
        lastDrawn = y;
    }
    if (!box.isEmpty())
        region += QRect(box.left(), runTop, box.width(), box.bottom() - runTop + 1);
    return region;
}

template<typename Draw>
void Canvas::draw(Draw drawOn)
{
    // With AutoRedraw both layers receive the same pixels in one pass.
    const QRect touched = drawOn(raster::Target(
        screenLayer(), m_autoRedraw ? &persistentLayer() : nullptr, m_autoRedraw ? nullptr : &m_transientRows,
        {&m_screenReady, m_backColor.rgb()}, {&m_persistentReady, m_backColor.rgb()}));
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
        forgetRows(m_persistentReady);
        forgetRows(m_screenReady);
        clearTransientRows();
        markDirty(QRect(QPoint(), m_deviceSize));
        return;
    }
    // Only the rows where transient drawing stands are copied back from the persistent layer,
    // so clearing a few red lines off a full-screen field stays cheap.
    const QRect area = std::exchange(m_transient, QRect());
    if (area.isEmpty())
        return;
    const auto bytesPerPixel = sizeof(QRgb);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        // Within the rows, only from the leftmost to the rightmost transient pixel.
        const QPoint row = std::exchange(m_transientRows[std::size_t(y)], noTransientRow);
        if (row.x() > row.y())
            continue;
        if (!persistentRowReady(y)) {
            // Nothing kept on this row: it is BackColor throughout.
            auto* pixels = reinterpret_cast<QRgb*>(m_screen.scanLine(y));
            std::fill(pixels + row.x(), pixels + row.y() + 1, m_backColor.rgb());
        } else {
            std::memcpy(m_screen.scanLine(y) + row.x() * bytesPerPixel,
                        m_persistent.constScanLine(y) + row.x() * bytesPerPixel,
                        static_cast<size_t>(row.y() - row.x() + 1) * bytesPerPixel);
        }
    }
    markDirty(area);
}

} // namespace platform
