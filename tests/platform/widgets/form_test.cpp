// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <platform/widgets/form.h>
#include <platform/widgets/layout.h>
#include <platform/windowsystem/desktop.h>

#include <QTest>

#include <gtest/gtest.h>

namespace {

// A window that counts its handlers and can unload another window from its own Unload.
class CountingForm : public platform::Form {
public:
    int loads = 0;
    int unloads = 0;
    CountingForm* partner = nullptr;
    bool showsItselfInLoad = false;

protected:
    void onLoad() override
    {
        ++loads;
        if (showsItselfInLoad)
            show();
    }
    void onUnload() override
    {
        ++unloads;
        unload(); // already being unloaded: passed over
        if (partner)
            partner->unload();
    }
};

TEST(Form, ShowLoadsOnceAndHideKeepsItLoaded)
{
    CountingForm form;
    EXPECT_FALSE(form.isLoaded());
    form.show();
    form.hide();
    form.show();
    EXPECT_EQ(form.loads, 1);
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(form.isVisible());

    CountingForm selfShowing;
    selfShowing.showsItselfInLoad = true;
    selfShowing.show();
    EXPECT_EQ(selfShowing.loads, 1);
    EXPECT_TRUE(selfShowing.isVisible());
}

TEST(Form, UnloadIsPassedOverWhenNotLoadedOrAlreadyUnloading)
{
    CountingForm a;
    CountingForm b;
    a.partner = &b;
    b.partner = &a;
    a.unload();
    EXPECT_EQ(a.unloads, 0);
    EXPECT_EQ(a.loads, 0);

    a.show();
    b.show();
    a.unload();
    // a's handler unloads b, whose handler unloads a again: each handler runs once.
    EXPECT_EQ(a.unloads, 1);
    EXPECT_EQ(b.unloads, 1);
    EXPECT_FALSE(a.isLoaded());
    EXPECT_FALSE(b.isVisible());
}

TEST(Form, TheCloseBoxUnloadsAndIsNeverCancelled)
{
    CountingForm form;
    form.show();
    EXPECT_TRUE(form.close());
    EXPECT_EQ(form.unloads, 1);
    EXPECT_FALSE(form.isVisible());
}

TEST(Form, SizesAndPlacesInTwips)
{
    CountingForm form;
    form.setSizeTwips(8625, 8340);
    EXPECT_EQ(form.width(), platform::twipsToPixels(8625));
    EXPECT_NEAR(form.widthTwips(), 8625, platform::twipsPerPixel());
    form.moveTwips(1, 1);
    EXPECT_EQ(form.pos(), QPoint(platform::twipsToPixels(1), platform::twipsToPixels(1)));
    const QSizeF screen = platform::screenSizeTwips();
    EXPECT_GT(screen.width(), 0);
    EXPECT_DOUBLE_EQ(screen.width() / platform::twipsPerPixel(),
                     std::round(screen.width() / platform::twipsPerPixel()));
}

} // namespace

// A window that counts the size changes it is told of, and may let them happen.
class ResizeCountingForm : public CountingForm {
public:
    explicit ResizeCountingForm(bool resizable) { setResizable(resizable); }
    int resizes = 0;

protected:
    void onResize() override { ++resizes; }
};

// A size given with the frame leaves the client what the frame and the work area leave; a window
// that does not redraw for a new size keeps the one its Load gave it.
TEST(Form, FramedSizesLeaveTheFrameOutAndStayInsideTheWorkArea)
{
    const QMargins frame(1, 20, 1, 5);
    platform::rememberFrameMargins(frame);
    const QRect area = platform::workArea();

    ResizeCountingForm fixed(false);
    fixed.setFramedSizeTwips(platform::pixelsToTwips(400), platform::pixelsToTwips(300));
    fixed.moveTwips(platform::pixelsToTwips(area.right() - 100), 0);
    EXPECT_EQ(fixed.size(), QSize(398, 275));
    EXPECT_EQ(fixed.minimumSize(), fixed.maximumSize());
    EXPECT_TRUE(area.contains(QRect(fixed.pos(), fixed.size().grownBy(frame))));

    ResizeCountingForm whole(true);
    whole.setFramedSizeTwips(platform::pixelsToTwips(area.width() + 50), platform::pixelsToTwips(area.height()));
    EXPECT_EQ(whole.size(), area.size().shrunkBy(frame));
    whole.show();
    whole.resize(300, 200);
    EXPECT_EQ(whole.size(), QSize(300, 200));
    EXPECT_EQ(whole.resizes, 1);

    platform::rememberFrameMargins({});
}

TEST(Form, PlacedInsideMovesAndCutsOnlyWhereAllowed)
{
    const QRect area(0, 30, 1000, 700);
    EXPECT_EQ(platform::placedInside({900, 0, 200, 100}, area, false), QRect(800, 30, 200, 100));
    EXPECT_EQ(platform::placedInside({-5, 50, 1200, 800}, area, true), area);
    EXPECT_EQ(platform::placedInside({-5, 50, 1200, 800}, area, false), QRect(0, 30, 1200, 800));
}
