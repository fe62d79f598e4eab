// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QObject>

#include <functional>
#include <vector>

namespace platform {

// The moment at which an animation frame (or a sample of a scan) stands complete: every paced
// yield reaches it. The lesson pause holds the running animations there, and a picture of a
// window asked for while a frame was being drawn is taken there, so that it never shows half a
// frame. While the pause holds, the event loop runs on: every control, the close box and "Ende"
// still answer at once.
class FrameBoundary : public QObject {
    Q_OBJECT

public:
    static FrameBoundary& instance();

    bool paused() const { return m_paused; }
    void setPaused(bool paused);
    // While paused, lets exactly one more frame through.
    void step();

    // Runs the action where the picture stands complete: at once while paused, otherwise at the
    // next frame boundary, or after a short while when no animation reaches one.
    void whenComplete(std::function<void()> action);

    // Called by every paced yield once its frame is complete: runs what waits for a complete
    // picture, then holds while paused.
    void reached();

signals:
    void pausedChanged(bool paused);
    // The pause ended or a step was asked for: holding loops look again.
    void released();

private:
    FrameBoundary();
    void runWaiting();

    bool m_paused = false;
    bool m_holding = false;
    int m_steps = 0;
    std::vector<std::function<void()>> m_waiting;
};

} // namespace platform
