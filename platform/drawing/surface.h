// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include "canvas.h"

#include <QWidget>

namespace platform {

// Mouse button codes as the handlers receive them; on a move, the buttons held, or-ed.
enum MouseButton { LeftButton = 1, RightButton = 2, MiddleButton = 4 };
// Shift codes, or-ed.
enum ShiftKey { ShiftKeyDown = 1, ControlKeyDown = 2, AltKeyDown = 4 };

int buttonCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);

// A widget with a Canvas: the drawing surface of a window or picture box. Painting only copies
// the screen image; mouse events arrive in user coordinates.
class Surface : public QWidget {
    Q_OBJECT

public:
    explicit Surface(QWidget* parent = nullptr);

    Canvas& canvas();
    const Canvas& canvas() const;

    // A one-pixel border round the drawing area, which the user scale then leaves out.
    void setBorder(bool on);
    bool hasBorder() const { return m_border > 0; }

    // Hands the region drawn since the last refresh to Qt for painting.
    void refresh();

signals:
    void mouseDown(int button, int shift, double x, double y);
    void mouseMove(int button, int shift, double x, double y);
    void mouseUp(int button, int shift, double x, double y);
    // A press and release of the left button over the surface.
    void click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPointF toUser(QPointF widgetPos) const;
    void resizeCanvas() const;

    // Mutable so that reading the scale can first catch up with a resize Qt has not yet
    // announced: a hidden widget hears of its new size only when it is shown.
    mutable Canvas m_canvas;
    int m_border = 0;
    bool m_clickArmed = false;
};

} // namespace platform
