// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QObject>

#include <functional>
#include <vector>

namespace platform {

// Marks a stretch in which a yield handles events. Drawing may stand half done below it, so a
// picture asked for in it waits; and its depth tells apart the loops that nest inside each other.
class YieldScope {
public:
    YieldScope();
    ~YieldScope();
    YieldScope(const YieldScope&) = delete;
    YieldScope& operator=(const YieldScope&) = delete;

    static int depth();
};

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
    // While paused, lets exactly one more frame of the held animation through. With no
    // animation held or stepping, there is no frame to step: nothing happens.
    void step();

    // Runs the action where the picture stands complete: at once while paused at a frame or with
    // nothing drawing, otherwise at the next frame boundary, or once no drawing is under way when
    // no animation reaches one.
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
    void runWaitingWhenComplete();
    void runWaiting();
    bool atCompletePicture() const;

    bool m_paused = false;
    // The depth of the events handled by the innermost held frame; 0 while none is held.
    int m_heldDepth = 0;
    // The loop that N steps (by its depth), and how many frames it may still draw.
    int m_steppedLoop = 0;
    int m_steps = 0;
    bool m_stepping = false;
    std::vector<std::function<void()>> m_waiting;
};

} // namespace platform
