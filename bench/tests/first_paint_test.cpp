// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <support/first_paint.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

#include <string>

namespace {

// Handles events until `done` or the time is up.
template<typename Done>
bool processUntil(Done done, int milliseconds = 2000)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

int bytesWaiting(int fd)
{
    char buffer[8];
    const ssize_t got = read(fd, buffer, sizeof buffer);
    return got < 0 ? 0 : static_cast<int>(got);
}

TEST(FirstPaint, SignalsTheFirstPaintedWindowOnceAndThenRunsTheFollowUp)
{
    int fds[2];
    ASSERT_EQ(pipe2(fds, O_NONBLOCK), 0);
    qputenv("BENCH_READY_FD", std::to_string(fds[1]).c_str());

    int followUps = 0;
    bool signalledBeforeFollowUp = false;
    bench::onFirstPaint([&] {
        ++followUps;
        signalledBeforeFollowUp = bytesWaiting(fds[0]) == 1;
    });
    QWidget window;
    window.resize(200, 100);
    auto* child = new QWidget(&window);
    child->setGeometry(10, 10, 50, 50);
    window.show();
    EXPECT_TRUE(processUntil([&] { return followUps > 0; }));
    EXPECT_TRUE(signalledBeforeFollowUp);

    // Later paints, of this window or another, signal nothing.
    QWidget second;
    second.resize(100, 100);
    second.show();
    window.update();
    processUntil([] { return false; }, 300);
    EXPECT_EQ(followUps, 1);
    EXPECT_EQ(bytesWaiting(fds[0]), 0);
    qunsetenv("BENCH_READY_FD");
    close(fds[0]);
}

} // namespace
