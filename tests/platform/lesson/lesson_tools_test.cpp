// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <platform/lesson/help_window.h>
#include <platform/lesson/window_picture.h>
#include <platform/loop/events.h>
#include <platform/loop/frame_boundary.h>
#include <platform/widgets/controls.h>
#include <platform/widgets/form.h>
#include <platform/windowsystem/desktop.h>

#include <support/testing.h>

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

namespace {

using platform::FrameBoundary;

// An animation of a fixed number of frames, each ending at a paced yield.
int runFrames(int count, const std::function<void(int)>& onFrame = {})
{
    platform::Pacer pacer(std::chrono::milliseconds(1));
    int frame = 0;
    while (frame < count) {
        ++frame;
        if (onFrame)
            onFrame(frame);
        pacer.yield();
    }
    return frame;
}

// A loop started while paused holds at its own first frame, inside the held one; N lets one frame
// of the innermost loop through, and P lets both run to their ends.
TEST(LessonTools, PauseHoldsNestedLoopsAndStepsTheInnermost)
{
    FrameBoundary& boundary = FrameBoundary::instance();
    int outer = 0;
    int inner = 0;
    std::vector<int> seen;
    runFrames(5, [&](int frame) {
        outer = frame;
        if (frame != 2)
            return;
        boundary.setPaused(true);
        QTimer::singleShot(10, [&] {
            runFrames(3, [&](int innerFrame) {
                inner = innerFrame;
                if (innerFrame == 1) {
                    QTimer::singleShot(10, [&] {
                        seen = {outer, inner};
                        boundary.step();
                        QTimer::singleShot(10, [&] {
                            seen.insert(seen.end(), {outer, inner});
                            boundary.setPaused(false);
                        });
                    });
                }
            });
        });
    });
    EXPECT_EQ(seen, (std::vector<int>{2, 1, 2, 2}));
    EXPECT_EQ(outer, 5);
    EXPECT_EQ(inner, 3);
    EXPECT_FALSE(boundary.paused());
}

// One N is one frame of a held animation: presses with nothing held are not saved up for the next
// start, and steps a nested loop leaves when it ends do not pass to the loop it ran in. A picture
// asked for while that nested loop draws waits for its frame to stand complete.
TEST(LessonTools, StepsBelongToTheHeldLoopAndPicturesWaitForItsFrame)
{
    FrameBoundary& boundary = FrameBoundary::instance();
    boundary.setPaused(true);
    for (int i = 0; i < 20; ++i)
        boundary.step();
    int outer = 0;
    std::vector<int> outerSeen;
    QStringList order;
    QTimer::singleShot(10, [&] {
        outerSeen.push_back(outer);
        runFrames(2, [&](int innerFrame) {
            // A Ctrl+C handled in the frame's yield, then whatever else that yield handles.
            testing_support::post([&, innerFrame] {
                boundary.whenComplete([&, innerFrame] { order << QStringLiteral("picture %1").arg(innerFrame); });
            });
            testing_support::post([&, innerFrame] { order << QStringLiteral("yield %1").arg(innerFrame); });
            if (innerFrame == 1)
                QTimer::singleShot(10, [&] {
                    for (int i = 0; i < 5; ++i)
                        boundary.step();
                });
        });
        QTimer::singleShot(10, [&] {
            outerSeen.push_back(outer);
            boundary.setPaused(false);
        });
    });
    runFrames(3, [&](int frame) { outer = frame; });
    EXPECT_EQ(outerSeen, (std::vector<int>{1, 1}));
    EXPECT_EQ(order, (QStringList{"yield 1", "picture 1", "yield 2", "picture 2"}));
    EXPECT_EQ(outer, 3);
}

// A step whose frame is its loop's last (Halt while paused, a scan's last point) leaves nothing
// behind: a later N finds no frame to step, and the next start holds at its first frame.
TEST(LessonTools, AStepThatEndsItsLoopLeavesTheNextStartHeldAtItsFirstFrame)
{
    FrameBoundary& boundary = FrameBoundary::instance();
    boundary.setPaused(true);
    QTimer::singleShot(10, [&] { boundary.step(); });
    runFrames(1);
    boundary.step();
    int frame = 0;
    int heldAt = 0;
    QTimer::singleShot(10, [&] {
        heldAt = frame;
        boundary.setPaused(false);
    });
    runFrames(3, [&](int drawn) { frame = drawn; });
    EXPECT_EQ(heldAt, 1);
}

TEST(LessonTools, PausingMarksEveryWindowTitleAndNothingElse)
{
    platform::Form form;
    form.setWindowTitle(QStringLiteral("Wellen"));
    form.show();
    FrameBoundary::instance().setPaused(true);
    platform::Form later;
    later.setWindowTitle(QStringLiteral("Summe"));
    later.show();
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Wellen – Pause"));
    EXPECT_EQ(later.windowTitle(), QStringLiteral("Summe – Pause"));
    FrameBoundary::instance().setPaused(false);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Wellen"));
    EXPECT_EQ(later.windowTitle(), QStringLiteral("Summe"));
}

// Ctrl+C copies selected text where there is some, the picture elsewhere; a quick second Ctrl+S
// brings the open save dialog forward instead of opening another.
TEST(LessonTools, CopyLeavesSelectedTextToItsControlAndSaveOpensOneDialog)
{
    platform::Form form;
    auto* box = new platform::TextBox(QStringLiteral("Gangdifferenz"), &form);
    form.show();
    box->setFocus();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Gangdifferenz"));
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull());
    box->moveCursor(QTextCursor::End);
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->image().size(), form.size() * form.devicePixelRatio());

    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    QTest::keyClick(&form, Qt::Key_S, Qt::ControlModifier);
    const auto dialogs = form.findChildren<QFileDialog*>();
    EXPECT_EQ(std::count_if(dialogs.begin(), dialogs.end(), [](QFileDialog* d) { return d->isVisible(); }), 1);
    for (QFileDialog* dialog : dialogs)
        dialog->reject();
}

// The help names its window, lies inside the work area and wraps the key list to its width.
TEST(LessonTools, HelpIsTitledAfterItsWindowAndFitsItsKeysInside)
{
    platform::Form form;
    form.setWindowTitle(QStringLiteral("Zeigerdarstellung für zwei Wellen"));
    form.show();
    platform::HelpWindow::showFor(&form);
    auto* help = form.findChild<platform::HelpWindow*>();
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Hilfe – Zeigerdarstellung für zwei Wellen"));
    EXPECT_TRUE(platform::workArea().contains(help->frameGeometry()));
    EXPECT_EQ(help->findChild<QTextBrowser*>()->horizontalScrollBar()->maximum(), 0);
}

TEST(LessonTools, PicturesAreNamedByProgramWindowAndTimeAndWrittenWholeOrNotAtAll)
{
    EXPECT_EQ(platform::pictureFileName(QStringLiteral("orvane"), QStringLiteral("superposition"),
                                        QDateTime(QDate(2026, 12, 8), QTime(10, 3, 59))),
              QStringLiteral("orvane-superposition-2026-12-08-1003.png"));

    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::red);
    QTemporaryDir dir;
    const QString good = dir.filePath(QStringLiteral("bild.png"));
    EXPECT_EQ(platform::writePicture(image, good), QString());
    EXPECT_EQ(QImage(good).size(), image.size());

    const QString missing = dir.filePath(QStringLiteral("fehlt/bild.png"));
    EXPECT_FALSE(platform::writePicture(image, missing).isEmpty());
    EXPECT_FALSE(QFile::exists(missing));
}

} // namespace
