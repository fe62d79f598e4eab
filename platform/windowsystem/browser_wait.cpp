// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "event_wait.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

#include <emscripten.h>

#include <deque>
#include <memory>

// A page runs the program on its own thread, between its own tasks: a loop that yields inside
// an event handler suspends the program (emscripten_sleep, through Asyncify) and is resumed by
// the page later. Qt hands the page's input to the program at once, even while it is suspended;
// a handler that started a loop there would suspend a second time and wreck the first. So input
// that arrives while the program is suspended waits here and is handled as soon as it resumes,
// inside the loop that yielded, exactly as a desktop's nested event loop would handle it.
namespace platform::windowsystem {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

// How long the page may go without a turn while a loop only handles events: one frame.
constexpr auto turnInterval = 16ms;
// A wait that ends only on quit() looks again this often.
constexpr int idleSliceMs = 16;

bool isInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

class HeldInput : public QObject {
public:
    static HeldInput& instance()
    {
        // Installed at the first suspension, after every other filter, so it sees input first.
        static HeldInput* held = [] {
            auto* input = new HeldInput;
            input->setParent(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(input);
            return input;
        }();
        return *held;
    }

    bool suspended() const { return m_suspended; }
    void setSuspended(bool suspended) { m_suspended = suspended; }

    // In the order it came; an event may start a loop that takes the rest of the queue.
    void deliver()
    {
        while (!m_queue.empty()) {
            Held next = std::move(m_queue.front());
            m_queue.pop_front();
            if (next.receiver)
                QCoreApplication::sendEvent(next.receiver, next.event.get());
        }
    }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override
    {
        if (!m_suspended || !receiver->isWindowType() || !isInput(event->type()))
            return false;
        m_queue.push_back({receiver, std::unique_ptr<QEvent>(event->clone())});
        return true;
    }

private:
    struct Held {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };

    bool m_suspended = false;
    std::deque<Held> m_queue;
};

Clock::time_point lastTurn;

// Hands the page a turn of at least the given length. Never nested: a handler run by the page
// meanwhile cannot reach here, as its input waits.
void pageTurn(int milliseconds)
{
    HeldInput& input = HeldInput::instance();
    if (input.suspended())
        return;
    input.setSuspended(true);
    emscripten_sleep(unsigned(milliseconds));
    input.setSuspended(false);
    lastTurn = Clock::now();
}

void handleEvents(QEventLoop::ProcessEventsFlags flags)
{
    if (!flags.testFlag(QEventLoop::ExcludeUserInputEvents))
        HeldInput::instance().deliver();
    QCoreApplication::processEvents(flags);
}

EM_JS(void, countPacedYield, (), { globalThis.wellenlehreFrames = (globalThis.wellenlehreFrames || 0) + 1; });

} // namespace

void processEvents(QEventLoop::ProcessEventsFlags flags)
{
    if (Clock::now() - lastTurn >= turnInterval)
        pageTurn(0);
    handleEvents(flags);
}

bool EventWait::run(QEventLoop::ProcessEventsFlags flags, std::optional<Deadline> deadline)
{
    using namespace std::chrono;
    m_quit = false;
    if (deadline)
        countPacedYield();
    while (!m_quit) {
        int slice = idleSliceMs;
        if (deadline) {
            const auto left = *deadline - Clock::now();
            if (left <= 0ns)
                break;
            slice = int(ceil<milliseconds>(left).count());
        }
        pageTurn(slice);
        handleEvents(flags);
        if (QCoreApplication::closingDown())
            return false;
    }
    return true;
}

void EventWait::quit()
{
    m_quit = true;
}

// The page shows that the program has ended: it learns of it from the exit, which is taken from
// a task of its own, where the page expects one. Until then the program stays suspended, and input
// waits for it in vain.
void endProcess(int status)
{
    static int endingStatus;
    endingStatus = status;
    emscripten_async_call([](void*) { emscripten_force_exit(endingStatus); }, nullptr, 0);
    HeldInput::instance().setSuspended(true);
    for (;;)
        emscripten_sleep(1'000'000);
}

} // namespace platform::windowsystem

// The page's own buttons for a touch screen without keys: the keys of the lesson tools, sent to
// the window that has the focus (else the one shown last), as if typed there.
extern "C" EMSCRIPTEN_KEEPALIVE void wellenlehre_key(int code)
{
    struct Key {
        int key;
        Qt::KeyboardModifiers modifiers;
    };
    static constexpr Key keys[] = {
        {Qt::Key_P, Qt::NoModifier},
        {Qt::Key_N, Qt::NoModifier},
        {Qt::Key_S, Qt::ControlModifier},
        {Qt::Key_F1, Qt::NoModifier},
    };
    if (code < 1 || code > int(std::size(keys)))
        return;
    QWindow* window = QGuiApplication::focusWindow();
    if (!window) {
        for (QWindow* shown : QGuiApplication::topLevelWindows()) {
            if (shown->isVisible())
                window = shown;
        }
    }
    if (!window)
        return;
    const Key& key = keys[code - 1];
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyPress, key.key, key.modifiers));
    QCoreApplication::postEvent(window, new QKeyEvent(QEvent::KeyRelease, key.key, key.modifiers));
}
