// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "storm.h"

#include <platform/drawing/surface.h>
#include <platform/loop/frame_boundary.h>

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QWidget>
#include <qpa/qwindowsysteminterface.h>

#include <algorithm>

namespace storm {
namespace {

QString windowName(const QWidget* window)
{
    return QString::fromLatin1(window->metaObject()->className());
}

// Only what the user can see and use, in the window itself: not in its help window or save
// dialog, which are its children too (the dialog's "Speichern" must never be pressed).
template<typename T>
std::vector<T*> usable(QWidget* window)
{
    std::vector<T*> found;
    for (T* widget : window->findChildren<T*>()) {
        if (widget->isVisible() && widget->isEnabled() && widget->window() == window)
            found.push_back(widget);
    }
    return found;
}

// Where a scroll bar's thumb stands now, in its own coordinates.
QRect thumbOf(QScrollBar* bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.subControls = QStyle::SC_None;
    option.activeSubControls = QStyle::SC_None;
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal)
        option.state |= QStyle::State_Horizontal;
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
}

} // namespace

Storm::Storm(Settings settings) : m_settings(std::move(settings)), m_random(m_settings.seed)
{
    char probe = 0;
    m_stackBase = m_stackLowest = reinterpret_cast<std::uintptr_t>(&probe);
    qApp->installEventFilter(this);
    // A timer, not input: it fires in every yield of whatever loop runs, as often as the
    // program lets events run, and queues the next burst of input there.
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &Storm::tick);
    m_timer.start();
}

int Storm::uniform(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(m_random);
}

bool Storm::chance(double p)
{
    return std::bernoulli_distribution(p)(m_random);
}

void Storm::tick()
{
    // The deepest stack: this runs inside the innermost yield of all nested loops.
    char probe = 0;
    m_stackLowest = std::min(m_stackLowest, reinterpret_cast<std::uintptr_t>(&probe));
    ++m_ticks;
    if (m_closing) {
        if (!m_closeQueued)
            close();
        return;
    }
    if (m_gap > 0) {
        --m_gap;
        return;
    }
    // Windows the storm hid come back after a while, as from the task bar; so does, now and
    // then, a window the program hid that is behind with its share of actions.
    if (!m_hiddenByStorm.empty() && chance(0.2)) {
        QPointer<QWidget> window = m_hiddenByStorm.back();
        m_hiddenByStorm.pop_back();
        if (window && !window->isVisible())
            window->show();
    }
    if (chance(0.01))
        showAWindowBehind();
    closeDialogs(0.1, false);
    // A paused lesson goes on after a while: the storm runs mostly through the animations and
    // now and then through their pause.
    if (platform::FrameBoundary::instance().paused() && chance(0.1)) {
        if (QWidget* window = chooseWindow())
            m_input.key(window, Qt::Key_P);
    }
    if (allWindowsHadTheirShare() || m_actions >= m_settings.maxActions) {
        finish();
        return;
    }
    // A burst of a few actions, then a random pause of some yields: the program draws on
    // between them, and sometimes input piles up.
    for (int burst = uniform(1, 6); burst > 0; --burst) {
        if (QWidget* window = chooseWindow())
            act(window);
    }
    m_gap = chance(0.1) ? uniform(20, 200) : uniform(0, 12);
}

void Storm::showAWindowBehind()
{
    QWidget* behind = nullptr;
    for (const auto& [window, count] : m_actionsPerWindow) {
        if (!window->isVisible() && count < m_settings.actionsPerWindow
            && (!behind || count < m_actionsPerWindow[behind]))
            behind = window;
    }
    if (behind)
        behind->show();
}

std::vector<QWidget*> Storm::visibleWindows() const
{
    std::vector<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible() && widget->windowHandle() && qobject_cast<platform::Surface*>(widget))
            windows.push_back(widget);
    }
    return windows;
}

QWidget* Storm::chooseWindow()
{
    const std::vector<QWidget*> windows = visibleWindows();
    m_visibleWindows = int(windows.size());
    if (windows.empty())
        return nullptr;
    // Mostly the window that has had the fewest actions, so that every window gets its share.
    if (chance(0.85)) {
        return *std::min_element(windows.begin(), windows.end(), [this](QWidget* a, QWidget* b) {
            const auto count = [this](QWidget* w) {
                const auto found = m_actionsPerWindow.find(w);
                return found == m_actionsPerWindow.end() ? 0 : found->second;
            };
            return count(a) < count(b);
        });
    }
    return windows[static_cast<std::size_t>(uniform(0, int(windows.size()) - 1))];
}

bool Storm::allWindowsHadTheirShare() const
{
    if (m_actionsPerWindow.empty())
        return false;
    return std::all_of(m_actionsPerWindow.begin(), m_actionsPerWindow.end(),
                       [this](const auto& entry) { return entry.second >= m_settings.actionsPerWindow; });
}

void Storm::act(QWidget* window)
{
    ++m_actions;
    ++m_actionsPerWindow[window];
    if (platform::FrameBoundary::instance().paused())
        ++m_pausedActions;
    for (QAbstractButton* button : usable<QAbstractButton>(window)) {
        if (!m_controlsSeen.count(button))
            m_controlsSeen[button] = windowName(window) + QStringLiteral(" \"") + button->text() + QLatin1Char('"');
    }
    const int pick = uniform(0, 99);
    if (pick < 30)
        clickControl(window);
    else if (pick < 50)
        moveSlider(window);
    else if (pick < 90)
        mouseOverSurface(window);
    else if (pick < 98)
        pressKey(window);
    else
        hideOrShow(window);
}

bool Storm::eventFilter(QObject* receiver, QEvent* event)
{
    if (m_closeQueued)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* button = qobject_cast<const QAbstractButton*>(receiver);
        return button && endsTheProgram(button);
    }
    default:
        return false;
    }
}

bool Storm::endsTheProgram(const QAbstractButton* button)
{
    return button->text().trimmed() == QStringLiteral("Ende");
}

void Storm::clickControl(QWidget* window)
{
    std::vector<QAbstractButton*> buttons = usable<QAbstractButton>(window);
    buttons.erase(std::remove_if(buttons.begin(), buttons.end(), endsTheProgram), buttons.end());
    if (buttons.empty())
        return;
    QAbstractButton* button = buttons[static_cast<std::size_t>(uniform(0, int(buttons.size()) - 1))];
    m_controlsClicked.insert(button);
    const QPoint at = somewhere(button, false);
    m_input.releaseAll();
    m_input.press(button, at, Qt::LeftButton);
    m_input.release(Qt::LeftButton);
    if (chance(0.1)) {
        // A quick second click: a double click.
        m_input.press(button, at, Qt::LeftButton);
        m_input.release(Qt::LeftButton);
    }
}

void Storm::moveSlider(QWidget* window)
{
    const std::vector<QScrollBar*> bars = usable<QScrollBar>(window);
    if (bars.empty())
        return;
    QScrollBar* bar = bars[static_cast<std::size_t>(uniform(0, int(bars.size()) - 1))];
    m_input.releaseAll();
    const int kind = uniform(0, 3);
    if (kind == 0) {
        // A click on an arrow or beside the thumb.
        m_input.press(bar, somewhere(bar, false), Qt::LeftButton);
        m_input.release(Qt::LeftButton);
        return;
    }
    // A drag of the thumb: to a random place, or far past either end.
    const QRect thumb = thumbOf(bar);
    m_input.press(bar, thumb.center(), Qt::LeftButton);
    int x = uniform(0, bar->width());
    if (kind == 2)
        x = -4 * bar->width();
    else if (kind == 3)
        x = 5 * bar->width();
    m_input.moveTo(bar, QPoint(x, thumb.center().y()));
    m_input.release(Qt::LeftButton);
}

Qt::MouseButton Storm::chooseButton(QWidget* window)
{
    static const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    const Qt::MouseButton button = buttons[uniform(0, 2)];
    if (m_settings.costlyPress && m_settings.costlyPress(window, button)) {
        if (m_costlyPresses >= m_settings.costlyPressBudget)
            return Qt::LeftButton;
        ++m_costlyPresses;
    }
    return button;
}

QPoint Storm::somewhere(QWidget* widget, bool farOutside)
{
    if (farOutside) {
        const int w = std::max(widget->width(), 1);
        const int h = std::max(widget->height(), 1);
        return {uniform(-3 * w, 4 * w), uniform(-3 * h, 4 * h)};
    }
    return {uniform(0, std::max(widget->width() - 1, 0)), uniform(0, std::max(widget->height() - 1, 0))};
}

void Storm::mouseOverSurface(QWidget* window)
{
    std::vector<platform::Surface*> surfaces = usable<platform::Surface>(window);
    surfaces.push_back(static_cast<platform::Surface*>(window));
    platform::Surface* surface = surfaces[static_cast<std::size_t>(uniform(0, int(surfaces.size()) - 1))];
    switch (uniform(0, 4)) {
    case 0: // a press, held for a while
        m_input.press(surface, somewhere(surface, false), chooseButton(window));
        break;
    case 1: // a move: a drag when buttons are held, often far outside the surface
        m_input.moveTo(surface, somewhere(surface, chance(0.3)));
        break;
    case 2: // a release of a held button, wherever the pointer is
        if (m_input.held() & Qt::RightButton && chance(0.5))
            m_input.release(Qt::RightButton);
        else if (m_input.held() & Qt::MiddleButton && chance(0.5))
            m_input.release(Qt::MiddleButton);
        else
            m_input.release(Qt::LeftButton);
        break;
    case 3: { // a whole drag: press, a few moves, release
        const Qt::MouseButton button = chooseButton(window);
        m_input.press(surface, somewhere(surface, false), button);
        for (int moves = uniform(1, 5); moves > 0; --moves)
            m_input.moveTo(surface, somewhere(surface, chance(0.3)));
        m_input.release(button);
        break;
    }
    default: { // a click, sometimes a double click
        const Qt::MouseButton button = chooseButton(window);
        const QPoint at = somewhere(surface, false);
        m_input.press(surface, at, button);
        m_input.release(button);
        if (chance(0.2)) {
            m_input.press(surface, at, button);
            m_input.release(button);
        }
        break;
    }
    }
}

void Storm::pressKey(QWidget* window)
{
    struct Keystroke {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers = Qt::NoModifier;
    };
    // clang-format off
    static const Keystroke keys[] = {
        {Qt::Key_Tab}, {Qt::Key_Backtab}, {Qt::Key_Left}, {Qt::Key_Right}, {Qt::Key_Home}, {Qt::Key_End},
        {Qt::Key_PageUp}, {Qt::Key_PageDown}, {Qt::Key_Space}, {Qt::Key_A},
        // The lesson keys: pause, step (twice as often, also while nothing is paused), help, copy, save.
        {Qt::Key_P}, {Qt::Key_Pause}, {Qt::Key_N}, {Qt::Key_N}, {Qt::Key_F1}, {Qt::Key_Escape},
        {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_S, Qt::ControlModifier}};
    // clang-format on
    const Keystroke& stroke = keys[uniform(0, int(std::size(keys)) - 1)];
    m_input.key(window, stroke.key, stroke.modifiers);
}

int Storm::closeDialogs(double p, bool modalOnly)
{
    // A close that has been handled either closed its dialog or met a second save dialog that
    // blocks the first (two quick Ctrl+S): then it is tried again.
    const bool handled = QWindowSystemInterface::windowSystemEventsQueued() == 0;
    std::erase_if(m_dialogsClosing, [this, handled](const Closing& closing) {
        if (closing.dialog && closing.dialog->isVisible())
            return handled;
        ++(closing.save ? m_saveDialogsClosed : m_helpWindowsClosed);
        return true;
    });
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(widget);
        if (!dialog || !dialog->isVisible() || (modalOnly && dialog->windowModality() == Qt::NonModal))
            continue;
        ++open;
        const auto closing = [dialog](const Closing& c) { return c.dialog == dialog; };
        if (std::any_of(m_dialogsClosing.begin(), m_dialogsClosing.end(), closing) || !chance(p))
            continue;
        // Esc or the close box; either cancels. Nothing else reaches the dialog, so nothing is saved.
        if (chance(0.5))
            m_input.key(dialog, Qt::Key_Escape);
        else
            m_input.close(dialog);
        m_dialogsClosing.push_back({dialog, qobject_cast<QFileDialog*>(dialog) != nullptr});
    }
    return open;
}

bool Storm::usedTheLessonKeys() const
{
    return m_pausedActions > 0 && m_saveDialogsClosed > 0 && m_helpWindowsClosed > 0;
}

void Storm::enterLastState(QWidget* window)
{
    // The close must end the program at once from any state a lesson leaves it in.
    QStringList state;
    const bool pause = chance(0.5);
    if (pause != platform::FrameBoundary::instance().paused())
        m_input.key(window, Qt::Key_P);
    state << (pause ? QStringLiteral("paused") : QStringLiteral("running"));
    if (pause && chance(0.5)) {
        for (int steps = uniform(1, 3); steps > 0; --steps)
            m_input.key(window, Qt::Key_N);
        state << QStringLiteral("stepped");
    }
    if (chance(0.3)) {
        m_input.key(window, Qt::Key_F1);
        state << QStringLiteral("help open");
    }
    // The close then comes inside the scan's loop.
    if (m_settings.costlyPress && m_settings.costlyPress(window, Qt::RightButton) && chance(0.5)) {
        m_input.press(window, somewhere(window, false), Qt::RightButton);
        m_input.release(Qt::RightButton);
        state << QStringLiteral("a scan pressed");
    }
    m_lastState = state.join(QStringLiteral(", "));
}

void Storm::hideOrShow(QWidget* window)
{
    // Never the last window: the storm's user needs one to go on.
    if (visibleWindows().size() < 2)
        return;
    m_input.releaseAll();
    window->hide();
    m_hiddenByStorm.emplace_back(window);
}

void Storm::finish()
{
    m_closing = true;
    m_input.releaseAll();
    if (allWindowsHadTheirShare()) {
        for (const QPointer<QWidget>& window : m_hiddenByStorm) {
            if (window && !window->isVisible())
                window->show();
        }
    } else {
        m_gaveUp = true;
    }
}

void Storm::close()
{
    // Only once all input is handled and a window shows: input still queued could hide the
    // window before the close reaches it, and while a window loads none may show at all.
    const std::vector<QWidget*> windows = visibleWindows();
    if (QWindowSystemInterface::windowSystemEventsQueued() > 0 || windows.empty())
        return;
    // A save dialog blocks its window, close box included: the user cancels it first.
    if (closeDialogs(1, true) > 0)
        return;
    if (!m_closeWindow || !m_closeWindow->isVisible()) {
        m_closeWindow = windows[static_cast<std::size_t>(uniform(0, int(windows.size()) - 1))];
        enterLastState(m_closeWindow);
        return;
    }
    m_closeQueued = true;
    m_closedAt = std::chrono::steady_clock::now();
    if (m_settings.closed)
        m_settings.closed();
    // The end: the close box, or the window's "Ende" where it has one.
    for (QAbstractButton* button : usable<QAbstractButton>(m_closeWindow)) {
        if (endsTheProgram(button) && chance(0.5)) {
            m_input.press(button, somewhere(button, false), Qt::LeftButton);
            m_input.release(Qt::LeftButton);
            m_lastState += QStringLiteral("; by \"Ende\"");
            return;
        }
    }
    m_input.close(m_closeWindow);
    m_lastState += QStringLiteral("; by the close box");
}

std::vector<QString> Storm::unclickedControls() const
{
    std::vector<QString> unclicked;
    for (const auto& [control, name] : m_controlsSeen) {
        if (!m_controlsClicked.count(control) && !endsTheProgram(static_cast<const QAbstractButton*>(control)))
            unclicked.push_back(name);
    }
    return unclicked;
}

void Storm::progress(std::FILE* out) const
{
    std::fprintf(out, "storm: %d actions queued, %ld yields seen, %d windows visible at the last action%s\n",
                 m_actions.load(), m_ticks.load(), m_visibleWindows.load(), m_closing ? ", closing" : "");
}

void Storm::report(std::FILE* out) const
{
    std::fprintf(out, "storm: seed %llu: %d actions", static_cast<unsigned long long>(m_settings.seed),
                 m_actions.load());
    for (const auto& [window, count] : m_actionsPerWindow)
        std::fprintf(out, ", %s %d", qPrintable(windowName(window)), count);
    std::fprintf(out, "; %d costly presses\n", m_costlyPresses);
    std::fprintf(out, "storm: %d actions while paused; %d save dialogs and %d help windows closed\n",
                 m_pausedActions.load(), m_saveDialogsClosed, m_helpWindowsClosed);
    std::fprintf(out, "storm: closed %s: %s\n", m_closeWindow ? qPrintable(windowName(m_closeWindow)) : "nothing",
                 qPrintable(m_lastState));
    std::fprintf(out, "storm: deepest stack %.1f KiB\n", double(deepestStack()) / 1024);
}

} // namespace storm
