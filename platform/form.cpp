// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form.h"

#include "layout.h"

#include <QCloseEvent>

namespace platform {

Form::Form(QWidget* parent) : Surface(parent)
{
    setWindowFlag(Qt::Window);
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

void Form::setVisible(bool visible)
{
    if (visible && !m_loaded)
        load();
    Surface::setVisible(visible);
}

void Form::moveTwips(double left, double top)
{
    move(twipsToPixels(left), twipsToPixels(top));
}

void Form::setSizeTwips(double width, double height)
{
    resize(twipsToPixels(width), twipsToPixels(height));
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
