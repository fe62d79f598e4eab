// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include "userscale.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRegion>

#include <functional>
#include <vector>

namespace platform {

// One drawing primitive as a handler issued it, in user coordinates; recorded for tests.
struct Primitive {
    enum class Kind { Line, Dot, Circle, Clear };
    Kind kind = Kind::Line;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0; // a dot or circle centre in (x1, y1)
    double radius = 0;
    QColor colour;
    int width = 1;
    bool persistent = false; // drawn with AutoRedraw set
};

// A drawing surface in user coordinates with two images: the persistent layer and the screen.
// Drawing with AutoRedraw set goes into both; other drawing onto the screen only. Nothing is
// antialiased, so a primitive drawn again in the background colour erases itself.
class Canvas {
public:
    Canvas();

    // The surface's size in logical pixels and the device pixel ratio; keeps the pictures'
    // top-left parts. Without a scale of its own the surface measures itself in twips.
    void resize(QSize logicalSize, qreal devicePixelRatio);
    QSize logicalSize() const { return m_logicalSize; }

    double scaleLeft() const { return m_scale.left; }
    double scaleTop() const { return m_scale.top; }
    double scaleWidth() const { return m_scale.width; }
    double scaleHeight() const { return m_scale.height; }
    void setScaleLeft(double v);
    void setScaleTop(double v);
    void setScaleWidth(double v);
    void setScaleHeight(double v);
    const UserScale& userScale() const { return m_scale; }

    int drawWidth() const { return m_drawWidth; }
    void setDrawWidth(int pixels);
    QColor foreColor() const { return m_foreColor; }
    void setForeColor(const QColor& colour) { m_foreColor = colour; }
    QColor backColor() const { return m_backColor; }
    // Clears both layers to the new colour, as a new background does.
    void setBackColor(const QColor& colour);
    bool autoRedraw() const { return m_autoRedraw; }
    void setAutoRedraw(bool on) { m_autoRedraw = on; }

    // CurrentX, CurrentY: where a line from the current point starts.
    QPointF currentPoint() const { return m_current; }
    void setCurrentPoint(double x, double y) { m_current = {x, y}; }

    // An invalid colour means ForeColor.
    void line(double x1, double y1, double x2, double y2, const QColor& colour = {});
    void lineTo(double x2, double y2, const QColor& colour = {});
    void pset(double x, double y, const QColor& colour = {});
    // Radius in x units, round on the screen.
    void circle(double x, double y, double radius, const QColor& colour = {});
    // AutoRedraw clear: the screen returns to the persistent layer. Set: both are cleared.
    void cls();

    // The screen with every row filled (for pictures, tests and checks).
    const QImage& screen() const;
    // For painting: whether a row of the screen (in device pixels) holds drawing yet; a row
    // that does not is BackColor throughout, and screenRows() gives the rows as they stand.
    bool screenRowReady(int y) const;
    const QImage& screenRows() const { return m_screen; }
    // The layer that Cls without AutoRedraw restores; made when first drawn on with AutoRedraw.
    const QImage& persistent() const;
    qreal devicePixelRatio() const { return m_dpr; }
    // The screen's colour at a point given in user coordinates (for tests and checks).
    QColor pixel(double x, double y) const;
    QPoint devicePixel(double x, double y) const;

    // The region drawn since the last call, in device pixels: the bounding box of the drawing,
    // less each band of rows between drawn rows that is large enough to pay for a rectangle of
    // its own on the way to the screen.
    QRegion takeDirty();
    // Called whenever the dirty region grows from empty, and at once if it is not empty now.
    void setDirtyHandler(std::function<void()> handler);

    void setRecording(bool on) { m_recording = on; }
    const std::vector<Primitive>& log() const { return m_log; }
    void clearLog() { m_log.clear(); }

private:
    QImage& persistentLayer() const;
    QImage& screenLayer() const;
    bool persistentRowReady(int y) const;
    static void forgetRows(std::vector<char>& ready);
    void completeRows(QImage& layer, std::vector<char>& ready) const;
    void clearTransientRows();
    QPointF toDevice(double x, double y) const;
    QRgb resolve(const QColor& colour) const;
    int devicePenWidth() const;
    void record(Primitive primitive);
    void markDirty(QRect rect);
    template<typename Draw>
    void draw(Draw drawOn);

    UserScale m_scale;
    bool m_customScale = false;
    QSize m_logicalSize;
    qreal m_dpr = 1.0;
    QSize m_deviceSize;
    mutable QImage m_screen;
    mutable QImage m_persistent;
    // Per row of each layer: filled (with BackColor, then drawing) yet.
    mutable std::vector<char> m_screenReady;
    mutable std::vector<char> m_persistentReady;
    int m_drawWidth = 1;
    QColor m_foreColor = Qt::black;
    QColor m_backColor = Qt::white;
    bool m_autoRedraw = false;
    QPointF m_current;
    QRect m_dirty;
    // Within it, per row: drawn on.
    std::vector<char> m_dirtyRows;
    // Where the screen may differ from the persistent layer: what a Cls must copy back.
    QRect m_transient;
    // Within it, per row, the leftmost and rightmost transient pixel (x > y: none).
    std::vector<QPoint> m_transientRows;
    std::function<void()> m_dirtyHandler;
    bool m_recording = false;
    std::vector<Primitive> m_log;
};

} // namespace platform
