// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <platform/events.h>
#include <platform/form.h>
#include <platform/frame_boundary.h>
#include <platform/window_picture.h>

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

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
