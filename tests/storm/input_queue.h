// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QPoint>
#include <QPointer>
#include <QWindow>
#include <Qt>

class QWidget;

namespace storm {

// Queues user input as the window system does: each event waits in the window system's queue
// until the program's next yield delivers it (or, while input is held, until the hold ends).
// Keeps the mouse buttons held down between a press and its release, as a real mouse does.
class InputQueue {
public:
    // Positions are in the coordinates of `widget`; the window is the widget's top level.
    void press(QWidget* widget, QPoint at, Qt::MouseButton button);
    void moveTo(QWidget* widget, QPoint at);
    void release(Qt::MouseButton button);
    void releaseAll();
    void key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void close(QWidget* window);

    Qt::MouseButtons held() const { return m_held; }

private:
    void mouse(QWindow* window, QPointF local, Qt::MouseButton button, QEvent::Type type);

    Qt::MouseButtons m_held;
    // Held buttons keep their window (the pointer grab), wherever the pointer goes.
    QPointer<QWindow> m_grab;
    QPointF m_last;
};

} // namespace storm
