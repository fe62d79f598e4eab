// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "surface.h"

#include "refresh.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

int buttonCode(Qt::MouseButtons buttons)
{
    int code = 0;
    if (buttons & Qt::LeftButton)
        code |= LeftButton;
    if (buttons & Qt::RightButton)
        code |= RightButton;
    if (buttons & Qt::MiddleButton)
        code |= MiddleButton;
    return code;
}

int shiftCode(Qt::KeyboardModifiers modifiers)
{
    int code = 0;
    if (modifiers & Qt::ShiftModifier)
        code |= ShiftKeyDown;
    if (modifiers & Qt::ControlModifier)
        code |= ControlKeyDown;
    if (modifiers & Qt::AltModifier)
        code |= AltKeyDown;
    return code;
}

Surface::Surface(QWidget* parent) : QWidget(parent)
{
    // Moves without a button pressed are events of their own.
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_canvas.setDirtyHandler([this] { RefreshClock::instance().schedule(this); });
    resizeCanvas();
}

void Surface::setBorder(bool on)
{
    m_border = on ? 1 : 0;
    resizeCanvas();
    update();
}

void Surface::refresh()
{
    const QRegion dirty = m_canvas.takeDirty();
    if (dirty.isEmpty())
        return;
    const qreal dpr = m_canvas.devicePixelRatio();
    QRegion region;
    for (const QRect& rect : dirty) {
        const QRectF logical(rect.x() / dpr, rect.y() / dpr, rect.width() / dpr, rect.height() / dpr);
        region += logical.toAlignedRect().translated(m_border, m_border);
    }
    // The controls standing on the surface cover the picture beneath them: leaving them out of
    // the repaint spares redrawing every button over a panel that is cleared each frame.
    for (const QObject* child : children()) {
        const auto* control = qobject_cast<const QWidget*>(child);
        if (control && control->isVisible() && !control->isWindow())
            region -= control->geometry();
    }
    if (!region.isEmpty())
        update(region);
}

Canvas& Surface::canvas()
{
    resizeCanvas();
    return m_canvas;
}

const Canvas& Surface::canvas() const
{
    resizeCanvas();
    return m_canvas;
}

void Surface::resizeCanvas() const
{
    const QSize wanted = (size() - QSize(2 * m_border, 2 * m_border)).expandedTo({1, 1});
    if (wanted != m_canvas.logicalSize() || devicePixelRatio() != m_canvas.devicePixelRatio())
        m_canvas.resize(wanted, devicePixelRatio());
}

void Surface::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect target(QPoint(m_border, m_border), m_canvas.logicalSize());
    const qreal ratio = m_canvas.devicePixelRatio();
    // Rows nothing has been drawn on are BackColor and hold no pixels yet; at a pixel ratio
    // other than 1 the rows are simply filled first.
    const QImage& screen = ratio == 1 ? m_canvas.screenRows() : m_canvas.screen();
    const auto drawn = [&](int y) { return ratio != 1 || m_canvas.screenRowReady(y - target.top()); };
    // One plain copy per rectangle of the region, each under a clip of that rectangle alone:
    // under the region's clip of several rectangles (the controls on a surface are left out of
    // it) the painter would blend row by row on worker threads instead. Source rectangles carry
    // the pixel ratio, so the image is never scaled.
    for (const QRect& part : event->region()) {
        const QRect visible = part & target;
        if (visible.isEmpty())
            continue;
        painter.setClipRect(visible);
        // Runs of rows that hold drawing are copied, runs that do not are filled.
        for (int top = visible.top(); top <= visible.bottom();) {
            const bool copy = drawn(top);
            int bottom = top;
            while (bottom < visible.bottom() && drawn(bottom + 1) == copy)
                ++bottom;
            const QRect run(visible.left(), top, visible.width(), bottom - top + 1);
            if (copy) {
                const QRectF source(QPointF(run.topLeft() - target.topLeft()) * ratio, QSizeF(run.size()) * ratio);
                painter.drawImage(QRectF(run), screen, source);
            } else {
                painter.fillRect(run, m_canvas.backColor());
            }
            top = bottom + 1;
        }
    }
    painter.setClipping(false);
    if (m_border > 0) {
        painter.setPen(Qt::black);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void Surface::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    resizeCanvas();
}

// A window moved to a screen of another pixel ratio gets images of that ratio.
bool Surface::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal && m_canvas.devicePixelRatio() != devicePixelRatio())
        resizeCanvas();
    return QWidget::event(event);
}

QPointF Surface::toUser(QPointF widgetPos) const
{
    return m_canvas.userScale().toUser(widgetPos - QPointF(m_border, m_border));
}

void Surface::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = toUser(event->position());
    if (event->button() == Qt::LeftButton)
        m_clickArmed = true;
    emit mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), p.x(), p.y());
}

// A quick second click is a second press, so fast clicking never loses a step.
void Surface::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

void Surface::mouseMoveEvent(QMouseEvent* event)
{
    const QPointF p = toUser(event->position());
    emit mouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), p.x(), p.y());
}

void Surface::mouseReleaseEvent(QMouseEvent* event)
{
    const QPointF p = toUser(event->position());
    emit mouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), p.x(), p.y());
    if (event->button() == Qt::LeftButton && std::exchange(m_clickArmed, false)
        && rect().contains(event->position().toPoint()))
        emit click();
}

} // namespace platform
