// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QObject>

#include <vector>

class QWidget;

namespace platform {

// The keys every window has for a lesson, over whatever control has the focus: P and Pause
// pause and continue every animation, N steps one frame while paused, Ctrl+C copies the window's
// picture, Ctrl+S saves it, F1 opens the window's help. None of them is a key a control takes.
class LessonTools : public QObject {
    Q_OBJECT

public:
    // Once per program, with the application; every window has the keys.
    static void install();

    // While paused, every window's title ends in the pause mark; screen readers hear the change
    // as the window's new name.
    static void markPaused(QWidget* window, bool paused);
    // The window's own title, without the pause mark.
    static QString unmarkedTitle(const QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit LessonTools(QObject* parent);
    void markAllWindows(bool paused);
};

// A key of every window and what it does, as the help window and --help list them.
struct KeyHelp {
    QString keys;
    QString meaning;
};
std::vector<KeyHelp> windowKeys();

// The keys as --help prints them: a heading, then the keys and their meanings in two columns.
QString windowKeysText();

} // namespace platform
