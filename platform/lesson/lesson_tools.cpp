// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "lesson_tools.h"

#include "help_window.h"
#include "platform/loop/frame_boundary.h"
#include "platform/widgets/form.h"
#include "platform/windowsystem/windowsystem.h"
#include "window_picture.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>

namespace platform {
namespace {

QString pauseMark()
{
    return QCoreApplication::translate("platform", " – Pause");
}

// The window whose keys these are: a help window's keys work on the window it helps with.
Form* formOf(QObject* watched)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget)
        return nullptr;
    QWidget* window = widget->window();
    if (qobject_cast<HelpWindow*>(window))
        window = window->parentWidget() ? window->parentWidget()->window() : nullptr;
    return qobject_cast<Form*>(window);
}

bool hasSelectedText(QObject* watched)
{
    if (const auto* edit = qobject_cast<QPlainTextEdit*>(watched))
        return edit->textCursor().hasSelection();
    if (const auto* edit = qobject_cast<QTextEdit*>(watched))
        return edit->textCursor().hasSelection();
    if (const auto* label = qobject_cast<QLabel*>(watched))
        return label->hasSelectedText();
    return false;
}

} // namespace

LessonTools::LessonTools(QObject* parent) : QObject(parent)
{
    connect(&FrameBoundary::instance(), &FrameBoundary::pausedChanged, this, &LessonTools::markAllWindows);
}

void LessonTools::install()
{
    static LessonTools* tools = nullptr;
    if (tools || !qApp)
        return;
    tools = new LessonTools(qApp);
    qApp->installEventFilter(tools);
}

QString LessonTools::unmarkedTitle(const QWidget* window)
{
    QString title = window->windowTitle();
    if (title.endsWith(pauseMark()))
        title.chop(pauseMark().size());
    return title;
}

void LessonTools::markPaused(QWidget* window, bool paused)
{
    const QString title = unmarkedTitle(window);
    const QString marked = paused ? title + pauseMark() : title;
    if (marked == window->windowTitle())
        return;
    window->setWindowTitle(marked);
    windowsystem::showNewTitle(window);
    // A window's accessible name is its title: screen readers announce the new one.
    QAccessibleEvent nameChanged(window, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nameChanged);
}

void LessonTools::markAllWindows(bool paused)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form*>(window))
            markPaused(window, paused);
    }
}

bool LessonTools::eventFilter(QObject* watched, QEvent* event)
{
    // A window shown while paused carries the mark from its first picture on: the show event
    // comes before the window system shows it.
    if (event->type() == QEvent::Show && qobject_cast<Form*>(watched)) {
        markPaused(static_cast<QWidget*>(watched), FrameBoundary::instance().paused());
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    Form* form = formOf(watched);
    if (!form)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    FrameBoundary& boundary = FrameBoundary::instance();
    if (modifiers == Qt::NoModifier) {
        switch (key->key()) {
        case Qt::Key_P:
        case Qt::Key_Pause:
            if (!key->isAutoRepeat())
                boundary.setPaused(!boundary.paused());
            return true;
        case Qt::Key_N:
            boundary.step();
            return true;
        case Qt::Key_F1:
            HelpWindow::showFor(form);
            return true;
        default:
            return false;
        }
    }
    const bool copies = key->key() == Qt::Key_C;
    if (modifiers != Qt::ControlModifier || key->isAutoRepeat() || !(copies || key->key() == Qt::Key_S))
        return false;
    // Selected text is what a user copies from a text; the picture only where nothing is selected.
    if (copies && hasSelectedText(watched))
        return false;
    // The picture is taken where the frame stands complete, never half drawn.
    boundary.whenComplete([window = QPointer<Form>(form), take = copies ? copyWindowPicture : saveWindowPicture] {
        if (window)
            take(window);
    });
    return true;
}

std::vector<KeyHelp> windowKeys()
{
    static const char* const keys[][2] = {
        {QT_TRANSLATE_NOOP("platform", "P, Pause"),
         QT_TRANSLATE_NOOP("platform",
                           "hält jede laufende Animation an ihrem Bild an (eine Abtastung der Amplitude "
                           "beim nächsten Punkt); P noch einmal setzt fort")},
        {QT_TRANSLATE_NOOP("platform", "N"),
         QT_TRANSLATE_NOOP("platform", "im Halt genau ein Bild (einen Abtastpunkt) weiter")},
        {QT_TRANSLATE_NOOP("platform", "Strg+C"),
         QT_TRANSLATE_NOOP("platform", "kopiert das Bild des Fensters samt Bedienelementen")},
        {QT_TRANSLATE_NOOP("platform", "Strg+S"), QT_TRANSLATE_NOOP("platform", "speichert es als PNG")},
        {QT_TRANSLATE_NOOP("platform", "F1"), QT_TRANSLATE_NOOP("platform", "Hilfe zum Fenster; Esc schließt sie")},
        {QT_TRANSLATE_NOOP("platform", "Tab, Umschalt+Tab"),
         QT_TRANSLATE_NOOP("platform", "zum nächsten, zum vorigen Bedienelement")},
        {QT_TRANSLATE_NOOP("platform", "Pfeiltasten, Pos1, Ende, Bild auf, Bild ab"),
         QT_TRANSLATE_NOOP("platform", "bewegen den Schieberegler, der den Fokus hat")},
        {QT_TRANSLATE_NOOP("platform", "Leertaste, Eingabe"),
         QT_TRANSLATE_NOOP("platform", "drücken die Schaltfläche oder das Kästchen, das den Fokus hat")},
    };
    std::vector<KeyHelp> translated;
    for (const auto& [key, meaning] : keys)
        translated.push_back(
            {QCoreApplication::translate("platform", key), QCoreApplication::translate("platform", meaning)});
    return translated;
}

QString windowKeysText()
{
    // The keys in a column of their own, the meanings beside them, wrapped for an 80-column terminal.
    constexpr qsizetype indent = 22;
    constexpr qsizetype width = 80;
    QString text = QCoreApplication::translate("platform", "Tasten in jedem Fenster:") + u'\n';
    for (const KeyHelp& key : windowKeys()) {
        QString line = QStringLiteral("  ") + key.keys;
        if (line.size() >= indent - 1) {
            text += line + u'\n';
            line.clear();
        }
        line = line.leftJustified(indent);
        for (const QString& word : key.meaning.split(u' ')) {
            if (line.size() > indent && line.size() + 1 + word.size() > width) {
                text += line + u'\n';
                line = QString(indent, u' ');
            }
            line += (line.size() > indent ? QStringLiteral(" ") : QString()) + word;
        }
        text += line + u'\n';
    }
    return text;
}

} // namespace platform
