// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form.h"

#include "layout.h"
#include "platform/windowsystem/desktop.h"
#include "platform/windowsystem/windowsystem.h"

#include <QCloseEvent>
#include <QResizeEvent>

namespace platform {

Form::Form(QWidget* parent) : Surface(parent)
{
    setWindowFlag(windowsystem::formWindowType());
}

void Form::setLessonHelp(const QString& name, const QString& helpText)
{
    m_lessonName = name;
    m_helpText = helpText;
}

void Form::load()
{
    if (m_loaded)
        return;
    // Marked first: a Load handler that shows its own window must not load it again.
    m_loaded = true;
    onLoad();
}

void Form::unload()
{
    if (!m_loaded || m_unloading)
        return;
    m_unloading = true;
    onUnload();
    Surface::setVisible(false);
    m_loaded = false;
    m_unloading = false;
}

// A window that shows comes to the front: a menu click on an open window must not leave it behind
// the menu, and without a window manager X keeps a hidden window's old place in the stack.
void Form::setVisible(bool visible)
{
    if (visible && !m_loaded)
        load();
    const bool wasVisible = isVisible();
    Surface::setVisible(visible);
    if (visible) {
        raise();
        if (wasVisible)
            activateWindow();
    }
}

void Form::moveTwips(double left, double top)
{
    m_framePosition = QPoint(twipsToPixels(left), twipsToPixels(top));
    fitToDesktop();
}

void Form::setSizeTwips(double width, double height)
{
    m_framedSize.reset();
    resize(twipsToPixels(width), twipsToPixels(height));
    fitToDesktop();
}

void Form::setFramedSizeTwips(double width, double height)
{
    m_framedSize = QSize(twipsToPixels(width), twipsToPixels(height));
    fitToDesktop();
}

// Once shown, a window is fixed in size unless it redraws its picture for a new one, so that its
// picture, its controls and the mouse always share one mapping.
void Form::fitToDesktop()
{
    const QMargins frame = frameMargins(screen());
    const bool sizeKept = !m_resizable && isVisible();
    const QSize client = m_framedSize && !sizeKept ? m_framedSize->shrunkBy(frame) : size();
    const QRect outer =
        placedInside(QRect(m_framePosition, client.grownBy(frame)), workArea(screen()), m_framedSize && !sizeKept);
    const QSize fitted = outer.size().shrunkBy(frame);
    if (m_resizable)
        resize(fitted);
    else
        setFixedSize(fitted);
    move(outer.topLeft());
}

// A window manager that did not announce its frame on this screen at its scale before the window
// showed is taken at its word once it has framed the window: the window is fitted anew.
bool Form::event(QEvent* event)
{
    const bool handled = Surface::event(event);
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && isVisible()) {
        const QRect client = geometry();
        const QRect outer = frameGeometry();
        const QMargins frame(client.left() - outer.left(), client.top() - outer.top(), outer.right() - client.right(),
                             outer.bottom() - client.bottom());
        if (!frame.isNull() && frameMargins(screen()).isNull()) {
            rememberFrameMargins(frame, screen());
            fitToDesktop();
        }
    }
    return handled;
}

void Form::resizeEvent(QResizeEvent* event)
{
    Surface::resizeEvent(event);
    if (m_loaded && event->oldSize().isValid() && event->oldSize() != event->size())
        onResize();
}

double Form::widthTwips() const
{
    return pixelsToTwips(width());
}

double Form::heightTwips() const
{
    return pixelsToTwips(height());
}

// The close box unloads, and the closing is never cancelled.
void Form::closeEvent(QCloseEvent* event)
{
    unload();
    event->accept();
}

} // namespace platform
