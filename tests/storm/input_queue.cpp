// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "input_queue.h"

#include <QWidget>
#include <qpa/qwindowsysteminterface.h>

namespace storm {
namespace {

using Queued = QWindowSystemInterface::AsynchronousDelivery;

struct WindowPoint {
    QWindow* window = nullptr;
    QPointF local;
};

WindowPoint inWindow(QWidget* widget, QPoint at)
{
    QWidget* top = widget->window();
    return {top->windowHandle(), QPointF(widget->mapTo(top, at))};
}

} // namespace

void InputQueue::mouse(QWindow* window, QPointF local, Qt::MouseButton button, QEvent::Type type)
{
    if (!window)
        return;
    m_last = local;
    QWindowSystemInterface::handleMouseEvent<Queued>(window, local, window->mapToGlobal(local), m_held, button, type);
}

void InputQueue::press(QWidget* widget, QPoint at, Qt::MouseButton button)
{
    WindowPoint p = inWindow(widget, at);
    if (m_held != Qt::NoButton && m_grab && m_grab != p.window) {
        // A second button goes where the first one is held.
        p.window = m_grab;
    }
    if (m_held == Qt::NoButton)
        m_grab = p.window;
    m_held |= button;
    mouse(p.window, p.local, button, QEvent::MouseButtonPress);
}

void InputQueue::moveTo(QWidget* widget, QPoint at)
{
    WindowPoint p = inWindow(widget, at);
    if (m_held != Qt::NoButton && m_grab) {
        // The grab keeps the moves in the pressed window, in its coordinates.
        p.local = QPointF(m_grab->mapFromGlobal(p.window->mapToGlobal(p.local.toPoint())));
        p.window = m_grab;
    }
    mouse(p.window, p.local, Qt::NoButton, QEvent::MouseMove);
}

void InputQueue::release(Qt::MouseButton button)
{
    if (!(m_held & button))
        return;
    m_held &= ~Qt::MouseButtons(button);
    mouse(m_grab, m_last, button, QEvent::MouseButtonRelease);
}

void InputQueue::releaseAll()
{
    for (Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton})
        release(button);
}

void InputQueue::key(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    QWindow* handle = window->windowHandle();
    if (!handle)
        return;
    // The text a keyboard gives with the key: a letter or the space, none with Ctrl.
    QString text;
    if (key == Qt::Key_Space)
        text = QStringLiteral(" ");
    else if (key >= Qt::Key_A && key <= Qt::Key_Z && modifiers == Qt::NoModifier)
        text = QChar(u'a' + (key - Qt::Key_A));
    QWindowSystemInterface::handleKeyEvent<Queued>(handle, QEvent::KeyPress, key, modifiers, text);
    QWindowSystemInterface::handleKeyEvent<Queued>(handle, QEvent::KeyRelease, key, modifiers, text);
}

void InputQueue::close(QWidget* window)
{
    if (QWindow* handle = window->windowHandle())
        QWindowSystemInterface::handleCloseEvent<Queued>(handle);
}

} // namespace storm
