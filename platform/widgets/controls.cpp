// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "controls.h"

#include "layout.h"
#include "platform/drawing/surface.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTextDocument>

namespace platform {
namespace {

// Mouse input over a control belongs to that control, never to the surface beneath it.
void keepMouseInput(QWidget* control)
{
    control->setAttribute(Qt::WA_NoMousePropagation);
}

void setPaletteColour(QWidget* widget, QPalette::ColorRole role, const QColor& colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

} // namespace

void setBackColor(QWidget* control, const QColor& colour)
{
    setPaletteColour(control, control->backgroundRole(), colour);
    control->setAutoFillBackground(true);
}

void nameAfter(const QLabel* caption, std::initializer_list<QWidget*> controls)
{
    for (QWidget* control : controls)
        control->setAccessibleName(caption->text().simplified());
}

Button::Button(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    keepMouseInput(this);
    connect(this, &QPushButton::clicked, this, &Button::click);
}

void Button::mousePressEvent(QMouseEvent* event)
{
    const QPointF p = event->position();
    emit mouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), pixelsToTwips(p.x()),
                   pixelsToTwips(p.y()));
    QPushButton::mousePressEvent(event);
    event->accept();
}

// A quick second click is a second press and a second click.
void Button::mouseDoubleClickEvent(QMouseEvent* event)
{
    mousePressEvent(event);
}

// Space or Enter on a focused button is a left press and a click, as the mouse gives them, so a
// button that answers only its press works by keyboard too.
void Button::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key != Qt::Key_Space && key != Qt::Key_Return && key != Qt::Key_Enter) {
        QPushButton::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        const QPointF centre = QRectF(rect()).center();
        emit mouseDown(LeftButton, shiftCode(event->modifiers()), pixelsToTwips(centre.x()), pixelsToTwips(centre.y()));
    }
    // Space clicks on its release, as every push button does; Enter clicks at once.
    if (key == Qt::Key_Space)
        QPushButton::keyPressEvent(event);
    else if (!event->isAutoRepeat())
        QPushButton::click();
}

Label::Label(const QString& caption, QWidget* parent) : QLabel(caption, parent)
{
    keepMouseInput(this);
    setAutoFillBackground(true);
}

void Label::setBackColor(const QColor& colour)
{
    setPaletteColour(this, QPalette::Window, colour);
}

QColor Label::backColor() const
{
    return palette().color(QPalette::Window);
}

void Label::setForeColor(const QColor& colour)
{
    setPaletteColour(this, QPalette::WindowText, colour);
}

QColor Label::foreColor() const
{
    return palette().color(QPalette::WindowText);
}

void Label::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

TextBox::TextBox(const QString& text, QWidget* parent, bool multiLine) : QPlainTextEdit(text, parent)
{
    keepMouseInput(this);
    setReadOnly(true);
    // Its own edit menu would open an untitled window over the lesson.
    setContextMenuPolicy(Qt::NoContextMenu);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(multiLine ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    document()->setDocumentMargin(1);
}

void TextBox::setText(const QString& text)
{
    if (toPlainText() != text)
        setPlainText(text);
}

QString TextBox::text() const
{
    return toPlainText();
}

void TextBox::setBackColor(const QColor& colour)
{
    setPaletteColour(this, QPalette::Base, colour);
}

QColor TextBox::backColor() const
{
    return palette().color(QPalette::Base);
}

void TextBox::setForeColor(const QColor& colour)
{
    setPaletteColour(this, QPalette::Text, colour);
}

QColor TextBox::foreColor() const
{
    return palette().color(QPalette::Text);
}

Slider::Slider(const SliderSettings& settings, QWidget* parent) : QScrollBar(Qt::Horizontal, parent)
{
    keepMouseInput(this);
    setFocusPolicy(Qt::StrongFocus);
    // A scroll bar's own menu of scroll commands, in English, is no part of a slider.
    setContextMenuPolicy(Qt::NoContextMenu);
    // A scroll bar turns its keys round by default; a slider's right arrow must increase it.
    setInvertedControls(false);
    setRange(settings.min, settings.max);
    setSingleStep(settings.smallChange);
    setPageStep(settings.largeChange);
    setValue(settings.value);
    connect(this, &QScrollBar::valueChanged, this, &Slider::change);
}

CheckBox::CheckBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent)
{
    keepMouseInput(this);
    connect(this, &QCheckBox::clicked, this, &CheckBox::click);
}

// Enter presses a focused check box as Space does, as it presses a focused button.
void CheckBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QCheckBox::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        QCheckBox::click();
}

Frame::Frame(const QString& caption, QWidget* parent) : QGroupBox(caption, parent)
{
    keepMouseInput(this);
}

} // namespace platform
