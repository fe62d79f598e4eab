// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include "input_queue.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <vector>

class QAbstractButton;
class QDialog;
class QScrollBar;

namespace storm {

struct Settings {
    std::uint64_t seed = 0;
    // Every window that shows receives at least this many actions before the storm ends.
    int actionsPerWindow = 10000;
    // The storm fails if the windows have not all had their share after this many.
    int maxActions = 100000;
    // A press that starts a long action of the program (a scan of several seconds), and how
    // many of them the storm may cause: the storm is to stay within CI's time.
    std::function<bool(QWidget* window, Qt::MouseButton button)> costlyPress;
    int costlyPressBudget = 0;
    // Called once the storm has queued the program's close.
    std::function<void()> closed;
};

// A storm of random user actions, queued as window-system input while the program runs: clicks
// on buttons and check boxes, slider drags and clicks, presses, drags and releases with every
// mouse button over the drawing surfaces and far outside them, keys (the lesson keys too, whose
// help window and save dialog it closes again by Esc or their close box, never saving), hiding
// and showing windows; at the end it closes the program by a close box or an "Ende" button, in
// a random state: paused, stepped, help open, a scan pressed. Every random choice comes from
// the seed, so a seed replays the same actions.
class Storm : public QObject {
public:
    explicit Storm(Settings settings);

    // Lines about the run: seed, actions per window, controls never clicked, deepest stack.
    void report(std::FILE* out) const;
    // Controls that showed but were never clicked: empty after a full storm.
    std::vector<QString> unclickedControls() const;
    bool finished() const { return m_closing; }
    // Where the storm stands, safe to read from another thread (the watchdog's).
    void progress(std::FILE* out) const;
    bool gaveUp() const { return m_gaveUp; }
    // Whether the actions went through the pause, the help window and the save dialog.
    bool usedTheLessonKeys() const;
    std::chrono::steady_clock::time_point closedAt() const { return m_closedAt; }
    // The deepest the stack went below the storm's start, in bytes.
    std::size_t deepestStack() const { return m_stackBase - m_stackLowest; }

protected:
    // Keeps "Ende" from ending the program before the storm does: random presses and keys can
    // land on it anywhere.
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    void tick();
    void act(QWidget* window);
    void clickControl(QWidget* window);
    void moveSlider(QWidget* window);
    void mouseOverSurface(QWidget* window);
    void pressKey(QWidget* window);
    void hideOrShow(QWidget* window);
    int closeDialogs(double p, bool modalOnly);
    void enterLastState(QWidget* window);
    void showAWindowBehind();
    void finish();
    void close();

    QWidget* chooseWindow();
    std::vector<QWidget*> visibleWindows() const;
    QPoint somewhere(QWidget* widget, bool farOutside);
    Qt::MouseButton chooseButton(QWidget* window);
    bool allWindowsHadTheirShare() const;
    static bool endsTheProgram(const QAbstractButton* button);

    int uniform(int low, int high);
    bool chance(double p);

    Settings m_settings;
    std::mt19937_64 m_random;
    InputQueue m_input;
    QTimer m_timer;
    int m_gap = 0;
    std::atomic<int> m_actions = 0;
    std::atomic<long> m_ticks = 0;
    std::atomic<int> m_visibleWindows = 0;
    int m_costlyPresses = 0;
    std::atomic<bool> m_closing = false;
    bool m_closeQueued = false;
    bool m_gaveUp = false;
    std::atomic<int> m_pausedActions = 0;
    int m_saveDialogsClosed = 0;
    int m_helpWindowsClosed = 0;
    // Dialogs with a close queued; counted as closed once they are gone.
    struct Closing {
        QPointer<QDialog> dialog;
        bool save = false;
    };
    std::vector<Closing> m_dialogsClosing;
    // The window the storm closes, once it has been brought into its last state.
    QPointer<QWidget> m_closeWindow;
    QString m_lastState;
    std::chrono::steady_clock::time_point m_closedAt;
    // The program's windows live as long as the process, so they can be keys.
    std::map<QWidget*, int> m_actionsPerWindow;
    // Every button and check box that showed, named for the report, and those clicked.
    std::map<const QObject*, QString> m_controlsSeen;
    std::set<const QObject*> m_controlsClicked;
    std::vector<QPointer<QWidget>> m_hiddenByStorm;
    std::uintptr_t m_stackBase = 0;
    std::uintptr_t m_stackLowest = 0;
};

} // namespace storm
