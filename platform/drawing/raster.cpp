// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace platform::raster {
namespace {

// Coordinates this far outside the image are clamped: the visible part of a primitive is
// unchanged for any realistic size, and the integer arithmetic below cannot overflow.
constexpr double coordinateLimit = 1 << 22;

double clampCoordinate(double v)
{
    return std::clamp(v, -coordinateLimit, coordinateLimit);
}

bool finite(QPointF p)
{
    return std::isfinite(p.x()) && std::isfinite(p.y());
}

// Odd widths are centred on a pixel centre, even widths on a pixel corner, so that a pen of
// width w always covers exactly w pixels across a straight line.
QPointF snap(QPointF p, int width)
{
    const double x = clampCoordinate(p.x());
    const double y = clampCoordinate(p.y());
    if (width % 2 == 1)
        return {std::floor(x) + 0.5, std::floor(y) + 0.5};
    return {std::floor(x + 0.5), std::floor(y + 0.5)};
}

class SpanWriter {
public:
    SpanWriter(const Target& target, QRgb colour)
        : m_bits(target.image.bits()), m_mirror(target.mirror ? target.mirror->bits() : nullptr),
          m_stride(target.image.bytesPerLine()), m_width(target.image.width()), m_height(target.image.height()),
          m_colour(colour), m_rows(target.rows), m_imageRows(target.imageRows), m_mirrorRows(target.mirrorRows)
    {
    }

    // Fills the pixels of row y whose centres lie strictly inside (left, right).
    void fill(int y, double left, double right) { fillRows(y, y, left, right); }

    // The same span on every row from firstRow to lastRow.
    void fillRows(int firstRow, int lastRow, double left, double right)
    {
        firstRow = std::max(firstRow, 0);
        lastRow = std::min(lastRow, m_height - 1);
        if (firstRow > lastRow || !(left < right))
            return;
        const int first = std::max(0, static_cast<int>(std::floor(left - 0.5)) + 1);
        const int last = std::min(m_width - 1, static_cast<int>(std::ceil(right - 0.5)) - 1);
        if (first > last)
            return;
        for (int y = firstRow; y <= lastRow; ++y) {
            if (y + prefetchRows <= lastRow)
                prefetch(y + prefetchRows, first);
            QRgb* row = rowOf(m_bits, m_imageRows, y);
            std::fill(row + first, row + last + 1, m_colour);
            if (m_mirror) {
                QRgb* mirrored = rowOf(m_mirror, m_mirrorRows, y);
                std::fill(mirrored + first, mirrored + last + 1, m_colour);
            }
        }
        touch(first, last, firstRow);
        touch(first, last, lastRow);
        if (m_rows) {
            for (int y = firstRow; y <= lastRow; ++y)
                widenRow(first, last, y);
        }
    }

    void plot(std::int64_t x, std::int64_t y)
    {
        if (x < 0 || y < 0 || x >= m_width || y >= m_height)
            return;
        rowOf(m_bits, m_imageRows, int(y))[x] = m_colour;
        if (m_mirror)
            rowOf(m_mirror, m_mirrorRows, int(y))[x] = m_colour;
        touch(int(x), int(x), int(y));
        if (m_rows)
            widenRow(int(x), int(x), int(y));
    }

    QRect touched() const
    {
        return m_left <= m_right ? QRect(QPoint(m_left, m_top), QPoint(m_right, m_bottom)) : QRect();
    }

private:
    // A band a few pixels wide starts a new cache line, and a new page, on every row: asking for
    // a row this far ahead keeps several of those fetches under way instead of waiting for each.
    static constexpr int prefetchRows = 16;

    void prefetch(int y, int x) const
    {
        const std::ptrdiff_t offset = std::ptrdiff_t(y) * m_stride + std::ptrdiff_t(x) * std::ptrdiff_t(sizeof(QRgb));
        __builtin_prefetch(m_bits + offset, 1);
        if (m_mirror)
            __builtin_prefetch(m_mirror + offset, 1);
    }

    // Row y of an image (or the mirror), filled with its background first if it is lazy and
    // still untouched.
    QRgb* rowOf(uchar* bits, const LazyRows& lazy, int y)
    {
        auto* row = reinterpret_cast<QRgb*>(bits + std::ptrdiff_t(y) * m_stride);
        if (lazy.ready && !(*lazy.ready)[std::size_t(y)]) {
            std::fill(row, row + m_width, lazy.background);
            (*lazy.ready)[std::size_t(y)] = 1;
        }
        return row;
    }

    void widenRow(int first, int last, int y)
    {
        QPoint& row = (*m_rows)[std::size_t(y)];
        row.setX(std::min(row.x(), first));
        row.setY(std::max(row.y(), last));
    }

    void touch(int first, int last, int y)
    {
        m_left = std::min(m_left, first);
        m_right = std::max(m_right, last);
        m_top = std::min(m_top, y);
        m_bottom = std::max(m_bottom, y);
    }

    uchar* m_bits;
    uchar* m_mirror;
    qsizetype m_stride;
    int m_width;
    int m_height;
    QRgb m_colour;
    std::vector<QPoint>* m_rows;
    LazyRows m_imageRows;
    LazyRows m_mirrorRows;
    int m_left = std::numeric_limits<int>::max();
    int m_right = std::numeric_limits<int>::min();
    int m_top = std::numeric_limits<int>::max();
    int m_bottom = std::numeric_limits<int>::min();
};

// Narrows [lo, hi] to the x for which a + b·x lies in [min, max].
void clipLinear(double a, double b, double min, double max, double& lo, double& hi)
{
    if (b == 0) {
        if (a < min || a > max)
            hi = lo - 1;
        return;
    }
    double x1 = (min - a) / b;
    double x2 = (max - a) / b;
    if (x1 > x2)
        std::swap(x1, x2);
    lo = std::max(lo, x1);
    hi = std::min(hi, x2);
}

void widen(double& left, double& right, double l, double r)
{
    if (!(l < r))
        return;
    left = std::min(left, l);
    right = std::max(right, r);
}

// Pixels whose centres lie closer than radius to the segment ab: a capsule, which is a line
// with round caps, or a disc when a == b.
QRect capsule(const Target& target, QPointF a, QPointF b, double radius, QRgb colour)
{
    SpanWriter spans(target, colour);
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double length = std::hypot(dx, dy);
    const double ux = length > 0 ? dx / length : 0;
    const double uy = length > 0 ? dy / length : 0;

    const int firstRow = std::max(0, static_cast<int>(std::floor(std::min(a.y(), b.y()) - radius)));
    const int lastRow =
        std::min(target.image.height() - 1, static_cast<int>(std::ceil(std::max(a.y(), b.y()) + radius)));
    // A vertical segment covers the same span on every row between its ends (the rows whose
    // centres lie from its top to its bottom): only the rows of its caps need the general test.
    int runFirst = lastRow + 1;
    int runLast = lastRow;
    if (length > 0 && dx == 0) {
        runFirst = std::max(firstRow, static_cast<int>(std::ceil(std::min(a.y(), b.y()) - 0.5)));
        runLast = std::min(lastRow, static_cast<int>(std::floor(std::max(a.y(), b.y()) - 0.5)));
        spans.fillRows(runFirst, runLast, a.x() - radius, a.x() + radius);
        if (runFirst > runLast)
            runFirst = lastRow + 1;
    }
    for (int row = firstRow; row <= lastRow; ++row) {
        if (row == runFirst) {
            row = runLast;
            continue;
        }
        const double yc = row + 0.5;
        double left = std::numeric_limits<double>::infinity();
        double right = -left;
        for (QPointF end : {a, b}) {
            const double h = yc - end.y();
            if (h * h < radius * radius) {
                const double half = std::sqrt(radius * radius - h * h);
                widen(left, right, end.x() - half, end.x() + half);
            }
        }
        if (length > 0) {
            // Along the segment: 0 <= (P - a)·u <= length and |(P - a)·n| < radius.
            double lo = -coordinateLimit * 4;
            double hi = coordinateLimit * 4;
            const double h = yc - a.y();
            clipLinear(-a.x() * ux + h * uy, ux, 0, length, lo, hi);
            clipLinear(a.x() * uy + h * ux, -uy, -radius, radius, lo, hi);
            widen(left, right, lo, hi);
        }
        spans.fill(row, left, right);
    }
    return spans.touched();
}

// A one-pixel line: one pixel per step along its longer axis, rounded the same way whichever
// end it starts from.
QRect thinLine(const Target& target, QPointF from, QPointF to, QRgb colour)
{
    SpanWriter spans(target, colour);
    auto x0 = static_cast<std::int64_t>(std::floor(clampCoordinate(from.x())));
    auto y0 = static_cast<std::int64_t>(std::floor(clampCoordinate(from.y())));
    auto x1 = static_cast<std::int64_t>(std::floor(clampCoordinate(to.x())));
    auto y1 = static_cast<std::int64_t>(std::floor(clampCoordinate(to.y())));
    const bool steep = std::llabs(y1 - y0) > std::llabs(x1 - x0);
    if (steep) {
        std::swap(x0, y0);
        std::swap(x1, y1);
    }
    if (x0 > x1 || (x0 == x1 && y0 > y1)) {
        std::swap(x0, x1);
        std::swap(y0, y1);
    }
    const std::int64_t dx = x1 - x0;
    const std::int64_t dy = y1 - y0;
    const std::int64_t limit = steep ? target.image.height() : target.image.width();
    const std::int64_t first = std::max<std::int64_t>(x0, 0);
    const std::int64_t last = std::min<std::int64_t>(x1, limit - 1);
    for (std::int64_t x = first; x <= last; ++x) {
        std::int64_t y = y0;
        if (dx > 0) {
            // Nearest pixel, halves downwards: floor((2·(x − x0)·dy + dx) / (2·dx)).
            const std::int64_t num = 2 * (x - x0) * dy + dx;
            const std::int64_t den = 2 * dx;
            y += num >= 0 ? num / den : -((-num + den - 1) / den);
        }
        if (steep)
            spans.plot(y, x);
        else
            spans.plot(x, y);
    }
    return spans.touched();
}

} // namespace

QRect line(const Target& target, QPointF from, QPointF to, int width, QRgb colour)
{
    if (!finite(from) || !finite(to) || width < 1)
        return {};
    if (width == 1)
        return thinLine(target, from, to, colour);
    return capsule(target, snap(from, width), snap(to, width), width / 2.0, colour);
}

QRect dot(const Target& target, QPointF centre, int width, QRgb colour)
{
    if (!finite(centre) || width < 1)
        return {};
    if (width == 1)
        return thinLine(target, centre, centre, colour);
    const QPointF c = snap(centre, width);
    return capsule(target, c, c, width / 2.0, colour);
}

namespace {

// Steps d over first..last for an octant pair whose points stand round(sqrt(r² - d²)) off the
// centre across the stepping axis. Near d = 0 they stand farther off than `farthest`, beyond the
// image on both sides: a circle much larger than the image is stepped only where it shows.
template<typename Plot>
void stepVisibleArc(std::int64_t first, std::int64_t last, double radius, std::int64_t farthest, Plot plot)
{
    const double hidden = radius * radius - (farthest + 0.5) * (farthest + 0.5);
    const auto skip = hidden > 0 ? static_cast<std::int64_t>(std::floor(std::sqrt(hidden))) : 0;
    for (std::int64_t d = first; d <= std::min(last, -skip); ++d)
        plot(d);
    for (std::int64_t d = std::max(first, skip == 0 ? 1 : skip); d <= last; ++d)
        plot(d);
}

} // namespace

QRect circle(const Target& target, QPointF centre, double radius, int width, QRgb colour)
{
    if (!finite(centre) || !std::isfinite(radius) || width < 1)
        return {};
    radius = std::min(std::abs(radius), coordinateLimit);
    const auto cx = static_cast<std::int64_t>(std::floor(clampCoordinate(centre.x())));
    const auto cy = static_cast<std::int64_t>(std::floor(clampCoordinate(centre.y())));
    SpanWriter spans(target, colour);

    if (width == 1) {
        if (radius < 0.5) {
            spans.plot(cx, cy);
            return spans.touched();
        }
        // Each octant pair is stepped along the axis in which it moves at most one pixel per step.
        const auto reach = static_cast<std::int64_t>(std::floor(radius / std::sqrt(2.0)));
        const auto height = [radius](std::int64_t d) {
            return std::llround(std::sqrt(radius * radius - double(d * d)));
        };
        const std::int64_t width = target.image.width();
        const std::int64_t rows = target.image.height();
        stepVisibleArc(std::max(-reach, -cx), std::min(reach, width - 1 - cx), radius, std::max(cy, rows - 1 - cy),
                       [&](std::int64_t d) {
                           const auto h = height(d);
                           spans.plot(cx + d, cy - h);
                           spans.plot(cx + d, cy + h);
                       });
        stepVisibleArc(std::max(-reach, -cy), std::min(reach, rows - 1 - cy), radius, std::max(cx, width - 1 - cx),
                       [&](std::int64_t d) {
                           const auto h = height(d);
                           spans.plot(cx - h, cy + d);
                           spans.plot(cx + h, cy + d);
                       });
        return spans.touched();
    }

    // A thick outline: the ring of pixels whose centres lie within width/2 of the radius.
    const double outer = radius + width / 2.0;
    const double inner = radius - width / 2.0;
    const double mx = cx + 0.5;
    const double my = cy + 0.5;
    const int firstRow = static_cast<int>(std::max<double>(0, std::floor(my - outer)));
    const int lastRow = static_cast<int>(std::min<double>(target.image.height() - 1, std::ceil(my + outer)));
    for (int row = firstRow; row <= lastRow; ++row) {
        const double h = row + 0.5 - my;
        if (h * h >= outer * outer)
            continue;
        const double wide = std::sqrt(outer * outer - h * h);
        if (inner > 0 && h * h < inner * inner) {
            const double narrow = std::sqrt(inner * inner - h * h);
            spans.fill(row, mx - wide, mx - narrow);
            spans.fill(row, mx + narrow, mx + wide);
        } else {
            spans.fill(row, mx - wide, mx + wide);
        }
    }
    return spans.touched();
}

} // namespace platform::raster
