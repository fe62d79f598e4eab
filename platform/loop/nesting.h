// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

namespace platform {

// While one is active, yields leave user input (mouse, keys) queued until it ends; everything
// else (painting, timers, closing a window) still runs. A loop that ends on its own uses it at
// its nesting limit: a further click waits for the loop instead of nesting inside it.
class InputHold {
public:
    explicit InputHold(bool active = true);
    ~InputHold();
    InputHold(const InputHold&) = delete;
    InputHold& operator=(const InputHold&) = delete;

    static bool holding();

private:
    bool m_active;
};

// A loop that runs inside an event handler yields to the event queue, and a handler run in such
// a yield may start the same loop again: the loops nest, each level holding a stretch of stack.
// LoopNesting counts the levels of one kind of loop so that a window can keep the stack bounded
// whatever the user does: an endless loop that is already running simply goes on instead of
// nesting past the limit, and a loop that ends on its own holds input back at the limit.
class LoopNesting {
public:
    // Deep enough that no one clicks past it by hand, shallow enough for any stack.
    static constexpr int defaultLimit = 32;

    explicit LoopNesting(int limit = defaultLimit);
    LoopNesting(const LoopNesting&) = delete;
    LoopNesting& operator=(const LoopNesting&) = delete;

    int depth() const { return m_depth; }
    int limit() const { return m_limit; }
    // No further level may start.
    bool full() const { return m_depth >= m_limit; }
    // The deepest level reached so far.
    int deepest() const { return m_deepest; }

    // What the deepest level allowed does: an endless loop never starts it (it checks full()
    // first); a loop that ends on its own holds input back until it ends.
    enum class AtLimit { Nothing, HoldInput };

    // One level, for the lifetime of the object.
    class Level {
    public:
        explicit Level(LoopNesting& nesting, AtLimit atLimit = AtLimit::Nothing);
        ~Level();
        Level(const Level&) = delete;
        Level& operator=(const Level&) = delete;

    private:
        LoopNesting& m_nesting;
        InputHold m_hold;
    };

private:
    int m_limit;
    int m_depth = 0;
    int m_deepest = 0;
};

} // namespace platform
