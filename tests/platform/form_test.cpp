// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <platform/form.h>
#include <platform/layout.h>

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
    EXPECT_DOUBLE_EQ(screen.width() / platform::twipsPerPixel(), std::round(screen.width() / platform::twipsPerPixel()));
}

} // namespace
