// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <support/first_paint.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QWidget>

#include <gtest/gtest.h>

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

TEST(FirstPaint, PrintsTheTimeSinceTheStartOnceAtTheFirstPaintedWindowThenRunsTheFollowUp)
{
    // Started "1.5 s ago", in seconds since the epoch as the shell's EPOCHREALTIME gives it.
    const double startedAt = 1e-3 * static_cast<double>(QDateTime::currentMSecsSinceEpoch()) - 1.5;
    qputenv("BENCH_STARTED_AT", QByteArray::number(startedAt, 'f', 6));

    int followUps = 0;
    std::string printedBeforeFollowUp;
    testing::internal::CaptureStdout();
    bench::onFirstPaint([&] {
        ++followUps;
        printedBeforeFollowUp = testing::internal::GetCapturedStdout();
        testing::internal::CaptureStdout();
    });
    QWidget window;
    window.resize(200, 100);
    auto* child = new QWidget(&window);
    child->setGeometry(10, 10, 50, 50);
    window.show();
    EXPECT_TRUE(processUntil([&] { return followUps > 0; }));

    // Later paints, of this window or another, print nothing.
    QWidget second;
    second.resize(100, 100);
    second.show();
    window.update();
    processUntil([] { return false; }, 300);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(followUps, 1);
    qunsetenv("BENCH_STARTED_AT");

    const std::string prefix = "figure start first_window_ms ";
    ASSERT_EQ(printedBeforeFollowUp.rfind(prefix, 0), 0u) << printedBeforeFollowUp;
    const double ms = std::stod(printedBeforeFollowUp.substr(prefix.size()));
    EXPECT_GE(ms, 1500);
    EXPECT_LT(ms, 1500 + 2000);
}

} // namespace
