// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "first_paint.h"

#include <platform/events.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

namespace bench {
namespace {

class FirstPaintFilter : public QObject {
public:
    explicit FirstPaintFilter(std::function<void()> then)
        : QObject(QCoreApplication::instance()), m_then(std::move(then))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const bool window = watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow();
        if (event->type() == QEvent::Paint && window) {
            signalParent();
            QTimer::singleShot(0, QCoreApplication::instance(), m_then);
            QCoreApplication::instance()->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    static void signalParent()
    {
        bool ok = false;
        const int fd = qEnvironmentVariableIntValue("BENCH_READY_FD", &ok);
        if (!ok)
            return;
        const char byte = 1;
        // The parent waits for this byte; nothing is left to do if it has gone away.
        if (write(fd, &byte, 1) != 1)
            return;
        close(fd);
    }

    std::function<void()> m_then;
};

} // namespace

void onFirstPaint(std::function<void()> then)
{
    QCoreApplication::instance()->installEventFilter(new FirstPaintFilter(std::move(then)));
}

void endAfter(int milliseconds)
{
    QTimer::singleShot(milliseconds, QCoreApplication::instance(), [] { platform::end(); });
}

} // namespace bench
