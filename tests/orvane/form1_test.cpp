// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <orvane/form1.h>
#include <orvane/form2.h>
#include <orvane/form3.h>
#include <orvane/program.h>

#include <platform/widgets/layout.h>

#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(Form1, LoadsAtTheTopLeftWithItsLaidOutTexts)
{
    orvane::Program program;
    orvane::Form1& menu = program.form1();
    menu.show();
    EXPECT_TRUE(menu.isLoaded());
    EXPECT_EQ(menu.windowTitle(), "Huyghenssches Prinzip - Zeigerformalismus");
    EXPECT_EQ(menu.Label1->text(), "Huyghenssches Prinzip und  Zeigerformalismus.");
    EXPECT_EQ(menu.Command2->text(), "Zeigerformalismus");
    EXPECT_EQ(menu.Command1->text(), "Huyghenssches Prinzip");
    EXPECT_EQ(menu.Command3->text(), "Ende");
    EXPECT_TRUE(menu.Label3->text().contains("entsteht." + QString(24, ' ') + "Durch"));
    EXPECT_NEAR(menu.widthTwips(), 8625, platform::twipsPerPixel());
    EXPECT_NEAR(menu.heightTwips(), 8340, platform::twipsPerPixel());
    EXPECT_NEAR(platform::leftInUnits(menu.Command2), 600, platform::twipsPerPixel());
    EXPECT_NEAR(platform::topInUnits(menu.Command3), 7440, platform::twipsPerPixel());
    EXPECT_EQ(menu.Label2->backColor(), QColor(255, 255, 128));
    EXPECT_EQ(menu.canvas().pixel(10, 10), QColor(255, 255, 128));
}

TEST(Form1, ZeigerformalismusShowsTheSuperpositionWindowAndHidesTheMenu)
{
    orvane::Program program;
    program.form1().show();
    QTest::mouseClick(program.form1().Command2, Qt::LeftButton);
    EXPECT_TRUE(program.form2().isVisible());
    EXPECT_TRUE(program.form2().isLoaded());
    EXPECT_FALSE(program.form1().isVisible());
}

TEST(Form1, HuyghensschesPrinzipShowsOneWindowOverTheMenu)
{
    orvane::Program program;
    program.form1().show();
    QTest::mouseClick(program.form1().Command1, Qt::LeftButton);
    orvane::Form3* first = &program.form3();
    program.form3().hide();
    QTest::mouseClick(program.form1().Command1, Qt::LeftButton);
    EXPECT_EQ(&program.form3(), first);
    EXPECT_TRUE(program.form3().isVisible());
    EXPECT_TRUE(program.form1().isVisible());
}

using Form1Death = ::testing::Test;

TEST(Form1Death, EndeEndsTheProcessWithStatusZero)
{
    EXPECT_EXIT(
        {
            orvane::Program program;
            program.form1().show();
            QTest::mouseClick(program.form1().Command3, Qt::LeftButton);
            std::_Exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST(Form1Death, ClosingAnyWindowEndsTheWholeProgram)
{
    EXPECT_EXIT(
        {
            orvane::Program program;
            program.form1().show();
            program.form1().onCommand2Click();
            program.form2().close();
            std::_Exit(3);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            orvane::Program program;
            program.form1().show();
            program.form1().onCommand1Click();
            program.form3().close();
            std::_Exit(3);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            orvane::Program program;
            program.form1().show();
            program.form1().onCommand2Click();
            program.form1().close();
            std::_Exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
