// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "first_paint.h"

#include "figures.h"

#include <platform/loop/events.h>

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>

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
            printStartTime();
            QTimer::singleShot(0, QCoreApplication::instance(), m_then);
            QCoreApplication::instance()->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    // The realtime clock, because the shell that started this process can only read that one.
    static void printStartTime()
    {
        const char* startedAt = std::getenv("BENCH_STARTED_AT");
        if (startedAt == nullptr)
            return;
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        const double nowSeconds = static_cast<double>(now.tv_sec) + 1e-9 * static_cast<double>(now.tv_nsec);
        printFigure("start", "first_window_ms", 1e3 * (nowSeconds - std::strtod(startedAt, nullptr)));
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
    QTimer::singleShot(milliseconds, QCoreApplication::instance(), [] {
        std::ifstream status("/proc/self/status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("VmHWM:", 0) == 0)
                printFigure("start", "peak_mb", std::strtod(line.c_str() + 6, nullptr) * 1024 / 1e6);
        }
        platform::end();
    });
}

} // namespace bench
