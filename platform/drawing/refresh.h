// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <vector>

namespace platform {

class Surface;

// Hands drawn regions to Qt at most once per display frame: drawing only marks surfaces dirty,
// and one timer repaints them all. A yield alone never forces a repaint.
class RefreshClock : public QObject {
    Q_OBJECT

public:
    static RefreshClock& instance();

    void schedule(Surface* surface);
    // Refreshes every dirty surface now.
    void flush();

private:
    RefreshClock();

    QTimer m_timer;
    std::vector<QPointer<Surface>> m_dirty;
    std::vector<QPointer<Surface>> m_flushing;
};

// For the benchmarks alone, outside the windows' interface: while withheld, drawing goes on but
// nothing drawn is handed to Qt, so a run costs the program's own work without painting and
// without the display server's.
void setScreenWithheld(bool withheld);

} // namespace platform
