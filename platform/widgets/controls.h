// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

#include <initializer_list>

namespace platform {

// Fills a control's background with a colour of its own (check boxes and frames, which Qt
// paints in the button and window colours).
void setBackColor(QWidget* control, const QColor& colour);

// Names controls for screen readers after the caption that names them on the screen.
void nameAfter(const QLabel* caption, std::initializer_list<QWidget*> controls);

// A push button: click on a left click, mouseDown for any button, in the button's own twips.
class Button : public QPushButton {
    Q_OBJECT

public:
    explicit Button(const QString& caption, QWidget* parent);

signals:
    void click();
    void mouseDown(int button, int shift, double x, double y);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

// A caption with a background colour of its own; mouse presses stop here.
class Label : public QLabel {
    Q_OBJECT

public:
    explicit Label(const QString& caption, QWidget* parent);

    void setBackColor(const QColor& colour);
    QColor backColor() const;
    void setForeColor(const QColor& colour);
    QColor foreColor() const;

protected:
    void mousePressEvent(QMouseEvent* event) override;
};

// A text box that only displays: the program writes it and never reads what a user types, so
// it is read-only. One line or several.
class TextBox : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TextBox(const QString& text, QWidget* parent, bool multiLine = false);

    void setText(const QString& text);
    QString text() const;
    void setBackColor(const QColor& colour);
    QColor backColor() const;
    void setForeColor(const QColor& colour);
    QColor foreColor() const;
};

// A horizontal slider; change fires whenever its value changes, by the user or the program.
// A slider's range and steps as laid out, named where the slider is made:
// Slider({.min = 15, .max = 42, .value = 28, .smallChange = 1, .largeChange = 1}, this).
struct SliderSettings {
    int min = 0;
    int max = 32767;
    int value = 0;
    int smallChange = 1;
    int largeChange = 1;
};

class Slider : public QScrollBar {
    Q_OBJECT

public:
    Slider(const SliderSettings& settings, QWidget* parent);

signals:
    void change();
};

// A check box whose click fires on the user's click only.
class CheckBox : public QCheckBox {
    Q_OBJECT

public:
    CheckBox(const QString& caption, QWidget* parent);

signals:
    void click();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A captioned group; the controls inside are placed in its twips.
class Frame : public QGroupBox {
    Q_OBJECT

public:
    Frame(const QString& caption, QWidget* parent);
};

} // namespace platform
