// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <platform/loop/events.h>
#include <platform/startup/application.h>

#include <QApplication>

#include <gtest/gtest.h>

// Every test executable runs headless unless told otherwise, so that ctest and test discovery
// never need a display, and animations run unpaced.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    // A child re-executes the test program: forking a process whose Qt threads may hold locks can hang.
    ::testing::GTEST_FLAG(death_test_style) = "threadsafe";
    platform::prepareApplication();
    QApplication app(argc, argv);
    platform::initialiseApplication();
    platform::Pacer::setEnabled(false);
    return RUN_ALL_TESTS();
}
