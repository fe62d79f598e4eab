// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <orvane/form1.h>
#include <orvane/form3.h>
#include <orvane/program.h>

#include <platform/widgets/layout.h>
#include <platform/widgets/numbers.h>
#include <support/testing.h>

#include <QTest>

#include <gtest/gtest.h>

namespace {

using platform::Primitive;

using testing_support::black;
using testing_support::red;
using testing_support::white;

std::vector<Primitive> ofKind(const std::vector<Primitive>& log, Primitive::Kind kind)
{
    std::vector<Primitive> found;
    for (const Primitive& p : log) {
        if (p.kind == kind)
            found.push_back(p);
    }
    return found;
}

TEST(Form3, LoadsFullScreenWithItsLaidOutControlsAndState)
{
    orvane::Program program;
    orvane::Form3& form = program.form3();
    form.show();

    EXPECT_TRUE(form.isLoaded());
    EXPECT_EQ(form.windowTitle(), " Huygen-Fresnel Prinzip und Zeigerdarstellung");
    const QSizeF screen = platform::screenSizeTwips();
    EXPECT_NEAR(form.widthTwips(), screen.width(), platform::twipsPerPixel());
    EXPECT_NEAR(form.heightTwips(), screen.height(), platform::twipsPerPixel());
    EXPECT_EQ(form.pos(), QPoint(0, 0));

    EXPECT_EQ(form.Text2->text(), "7");
    EXPECT_EQ(form.Text3->text(), "100");
    EXPECT_EQ(form.Command3->text(), "Menu");
    EXPECT_EQ(form.Label1->text(), "Zahl der Elementarwellen");
    EXPECT_EQ(form.Label2->text(), "Wellenlänge");
    EXPECT_EQ(form.Label5->text(), "Im Wellenfeld Mausklick links: Zeiger (einzel) und Vektorsumme");
    EXPECT_EQ(form.Frame1->title(), "Im Wellenfeld Mausklick rechts:Berechnung der Amplitutenverteilung (Nahfeld)");
    EXPECT_EQ(form.Label3->text(), "Zeiger und respektive Vektorsumme");
    EXPECT_EQ(form.Label4->text(), "Amplitudenverteilung");
    EXPECT_EQ(form.Command1->text(), "Cls");
    EXPECT_EQ(form.Command2->text(), "Cls");
    EXPECT_EQ(form.HScroll2->minimum(), 1);
    EXPECT_EQ(form.HScroll2->maximum(), 6);
    EXPECT_EQ(form.HScroll2->value(), 3);
    EXPECT_EQ(form.HScroll2->pageStep(), 5);
    EXPECT_EQ(form.HScroll3->minimum(), 60);
    EXPECT_EQ(form.HScroll3->maximum(), 200);
    EXPECT_EQ(form.HScroll3->value(), 100);
    EXPECT_EQ(form.HScroll3->singleStep(), 10);

    // Laid out in twips, 15 to a pixel; the window's scale set at load moves none of them.
    EXPECT_EQ(form.HScroll2->geometry(), QRect(0, 0, 89, 25));
    EXPECT_EQ(form.Text3->geometry(), QRect(208, 0, 25, 25));
    EXPECT_EQ(form.Command3->geometry(), QRect(240, 0, 81, 25));
    EXPECT_EQ(form.Label1->geometry(), QRect(0, 24, 113, 49));
    EXPECT_EQ(form.Frame1->geometry(), QRect(320, 16, 529, 17));
    EXPECT_EQ(form.Picture1->geometry(), QRect(8, 520, 465, 193));
    EXPECT_EQ(form.Label3->parentWidget(), form.Picture3);
    EXPECT_EQ(form.Command2->geometry(), QRect(224, 216, 33, 25));
    // The plot has a one-pixel border; its controls stand inside it.
    EXPECT_TRUE(form.Picture1->hasBorder());
    EXPECT_EQ(form.Command1->geometry(), QRect(1, 1, 57, 25));
    EXPECT_EQ(form.Label4->geometry(), QRect(145, 1, 193, 25));

    const platform::Canvas& field = form.canvas();
    EXPECT_EQ(field.scaleLeft(), -300);
    EXPECT_EQ(field.scaleTop(), -1500);
    EXPECT_EQ(field.scaleWidth(), 4000);
    EXPECT_EQ(field.scaleHeight(), 2925);
    EXPECT_FALSE(field.autoRedraw());

    // The panel is sized in window units and measures itself with what it reads back.
    EXPECT_NEAR(platform::widthInUnits(form.Picture3), 1100, 4000.0 / form.width());
    EXPECT_NEAR(platform::heightInUnits(form.Picture3), 1000, 2925.0 / form.height());
    const platform::Canvas& panel = form.Picture3->canvas();
    EXPECT_EQ(panel.scaleWidth(), platform::widthInUnits(form.Picture3));
    EXPECT_EQ(panel.scaleHeight(), -platform::heightInUnits(form.Picture3));
    EXPECT_EQ(panel.scaleLeft(), -600);
    EXPECT_EQ(panel.scaleTop(), 500);
    const platform::Canvas& plot = form.Picture1->canvas();
    EXPECT_EQ(plot.scaleLeft(), -3000);
    EXPECT_EQ(plot.scaleTop(), 0);
    EXPECT_EQ(plot.scaleWidth(), 6000);
    EXPECT_EQ(plot.scaleHeight(), 800);
    EXPECT_FALSE(form.Picture1->isVisible());
    EXPECT_FALSE(form.Picture3->isVisible());

    EXPECT_EQ(form.halfcount, 3);
    EXPECT_EQ(form.wavelength, 100);
    EXPECT_EQ(form.spacing, 50.0f);
    EXPECT_EQ(form.loading, 0);
    EXPECT_DOUBLE_EQ(form.pi, 3.14159265358979323846);
    for (int i = 0; i <= 6; ++i) {
        EXPECT_EQ(form.sourcex[i], 0.0);
        EXPECT_EQ(form.sourcey[i], 50.0f * i - 150) << i;
        // A dot of 5 pixels on every source.
        EXPECT_EQ(field.pixel(0, form.sourcey[i]), black) << i;
    }
    EXPECT_EQ(field.pixel(3000, 0), black) << "the axis";
    EXPECT_EQ(testing_support::countPixels(field.screen(), red), 0);
}

TEST(Form3, LoadDrawsTheFieldRingByRingIntoThePersistentLayerAndYieldsBeforeEveryCircle)
{
    orvane::Program program;
    orvane::Form3& form = program.form3();
    form.canvas().setRecording(true);
    int loadingSeen = -1;
    std::size_t circlesWhenYielded = 0;
    testing_support::post([&] {
        loadingSeen = form.loading;
        circlesWhenYielded = ofKind(form.canvas().log(), Primitive::Kind::Circle).size();
    });
    form.show();

    EXPECT_EQ(loadingSeen, 1);
    EXPECT_EQ(circlesWhenYielded, 0u) << "the first yield comes before the first circle";

    const auto& log = form.canvas().log();
    ASSERT_EQ(log.size(), 7u + 1u + 7u * 41u);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(log[i].kind, Primitive::Kind::Dot);
        EXPECT_EQ(log[i].y1, 50 * i - 150);
        EXPECT_EQ(log[i].width, 5);
    }
    EXPECT_EQ(log[7].kind, Primitive::Kind::Line);
    EXPECT_EQ(QLineF(log[7].x1, log[7].y1, log[7].x2, log[7].y2), QLineF(0, 0, 3800, 0));
    EXPECT_EQ(log[7].width, 1);
    for (std::size_t k = 8; k < log.size(); ++k) {
        const int ring = static_cast<int>(k - 8) / 7;
        const int source = static_cast<int>(k - 8) % 7;
        EXPECT_EQ(log[k].kind, Primitive::Kind::Circle);
        EXPECT_EQ(log[k].radius, 100 * ring);
        EXPECT_EQ(log[k].x1, 0);
        EXPECT_EQ(log[k].y1, 50 * source - 150);
    }
    for (const Primitive& p : log) {
        EXPECT_TRUE(p.persistent);
        EXPECT_EQ(p.colour, black);
    }
    EXPECT_EQ(log.back().radius, 4000);
}

TEST(Form3, WavelengthSliderRedrawsTheRingsWithoutYieldingAndHidesThePanel)
{
    orvane::Program program;
    orvane::Form3& form = program.form3();
    form.show();
    form.onMouseDown(1, 0, 1500, 300);
    ASSERT_TRUE(form.Picture3->isVisible());
    form.canvas().setRecording(true);
    bool yielded = false;
    testing_support::post([&] { yielded = true; });

    form.HScroll3->setValue(60);
    EXPECT_FALSE(yielded) << "after load the field is drawn without yielding";
    EXPECT_EQ(form.Text3->text(), "60");
    EXPECT_EQ(form.wavelength, 60);
    EXPECT_FALSE(form.Picture3->isVisible());
    EXPECT_FALSE(form.canvas().autoRedraw());
    const auto& log = form.canvas().log();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front().kind, Primitive::Kind::Clear);
    EXPECT_TRUE(log.front().persistent) << "both layers cleared";
    auto circles = ofKind(log, Primitive::Kind::Circle);
    EXPECT_EQ(circles.size(), 7u * 67u);
    EXPECT_EQ(circles.back().radius, 3960);

    form.canvas().clearLog();
    form.HScroll3->setValue(200);
    circles = ofKind(form.canvas().log(), Primitive::Kind::Circle);
    EXPECT_EQ(circles.size(), 7u * 21u);
    EXPECT_EQ(circles.back().radius, 4000);
    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(form.sourcey[i], 50.0f * i - 150) << "the sources stay";

    // Only the new field remains: the same picture as a window moved straight to 200.
    orvane::Program fresh;
    fresh.form3().show();
    fresh.form3().HScroll3->setValue(200);
    EXPECT_EQ(testing_support::differingPixels(form.canvas().screen(), fresh.form3().canvas().screen()), 0);
    EXPECT_EQ(testing_support::differingPixels(form.canvas().persistent(), fresh.form3().canvas().persistent()), 0);
}

TEST(Form3, ASliderMovedWhileTheWindowStillLoadsRedrawsWithoutYielding)
{
    // A second menu click shows the window half loaded; its sliders can then move.
    orvane::Program program;
    orvane::Form3& form = program.form3();
    int redrawsDone = 0;
    bool yieldedInsideARedraw = false;
    testing_support::post([&] {
        form.show();
        for (int value : {150, 60}) {
            testing_support::post([&] { yieldedInsideARedraw |= redrawsDone < 2; });
            form.HScroll3->setValue(value);
            ++redrawsDone;
        }
    });
    form.show();
    EXPECT_EQ(redrawsDone, 2);
    EXPECT_FALSE(yieldedInsideARedraw);
    EXPECT_EQ(form.loading, 0);
    // The slider's field stands, as if the window had loaded at wavelength 60.
    orvane::Program fresh;
    fresh.form3().show();
    fresh.form3().HScroll3->setValue(60);
    EXPECT_EQ(testing_support::differingPixels(form.canvas().persistent(), fresh.form3().canvas().persistent()), 0);
}

TEST(Form3, NumberSliderPlacesTheSourcesAndKeepsTheUnusedEntries)
{
    orvane::Program program;
    orvane::Form3& form = program.form3();
    form.show();
    form.onMouseDown(2, 0, 2000, 0);
    ASSERT_TRUE(form.Picture1->isVisible());
    const QImage bars = form.Picture1->canvas().screen();

    form.canvas().setRecording(true);
    form.HScroll2->setValue(6);
    EXPECT_EQ(form.Text2->text(), "13");
    EXPECT_EQ(form.halfcount, 6);
    for (int i = 0; i <= 12; ++i)
        EXPECT_EQ(form.sourcey[i], 50.0f * i - 300) << i;
    EXPECT_EQ(ofKind(form.canvas().log(), Primitive::Kind::Dot).size(), 13u);
    EXPECT_EQ(ofKind(form.canvas().log(), Primitive::Kind::Circle).size(), 13u * 41u);
    EXPECT_EQ(form.canvas().pixel(0, 300), black);
    EXPECT_EQ(testing_support::countPixels(form.canvas().screen(), red), 0) << "the cut line is gone";
    EXPECT_FALSE(form.Picture3->isVisible());
    EXPECT_TRUE(form.Picture1->isVisible()) << "the plot stays with its bars";
    EXPECT_EQ(testing_support::differingPixels(form.Picture1->canvas().screen(), bars), 0);

    form.HScroll2->setValue(1);
    EXPECT_EQ(form.Text2->text(), "3");
    EXPECT_EQ(form.sourcey[0], -50.0f);
    EXPECT_EQ(form.sourcey[1], 0.0f);
    EXPECT_EQ(form.sourcey[2], 50.0f);
    for (int i = 3; i <= 12; ++i)
        EXPECT_EQ(form.sourcey[i], 50.0f * i - 300) << "entry " << i << " keeps its old value";
    EXPECT_EQ(form.canvas().pixel(0, -150), white) << "the old outer sources are gone";
}

TEST(Form3, MenuHidesTheWindowAndShowingItAgainKeepsEverything)
{
    orvane::Program program;
    program.form1().show();
    QTest::mouseClick(program.form1().Command1, Qt::LeftButton);
    orvane::Form3& form = program.form3();
    ASSERT_TRUE(form.isVisible());
    form.HScroll2->setValue(5);
    form.onMouseDown(1, 0, 1200, -400);
    form.onMouseUp(1, 0, 1200, -400);
    const QImage field = form.canvas().screen();
    const QImage panel = form.Picture3->canvas().screen();
    const QPoint panelAt = form.Picture3->pos();

    QTest::mouseClick(form.Command3, Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.isLoaded());
    EXPECT_TRUE(program.form1().isVisible());

    QTest::mouseClick(program.form1().Command1, Qt::LeftButton);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.Text2->text(), "11") << "Load did not run again";
    EXPECT_EQ(form.halfcount, 5);
    EXPECT_TRUE(form.Picture3->isVisible());
    EXPECT_EQ(form.Picture3->pos(), panelAt);
    EXPECT_EQ(testing_support::differingPixels(form.canvas().screen(), field), 0);
    EXPECT_EQ(testing_support::differingPixels(form.Picture3->canvas().screen(), panel), 0);
}

TEST(Form3, ClsButtonsAndAClickOnThePlotHideTheirPanels)
{
    orvane::Program program;
    orvane::Form3& form = program.form3();
    form.show();
    form.onMouseDown(2, 0, 2500, 0);
    ASSERT_GT(testing_support::countPixels(form.canvas().screen(), red), 0);
    const QImage panel = form.Picture3->canvas().screen();

    QTest::mouseClick(form.Command2, Qt::LeftButton);
    EXPECT_FALSE(form.Picture3->isVisible());
    EXPECT_EQ(testing_support::differingPixels(form.Picture3->canvas().screen(), panel), 0)
        << "hiding the panel does not clear it";
    EXPECT_GT(testing_support::countPixels(form.canvas().screen(), red), 0);

    QTest::mouseClick(form.Command1, Qt::LeftButton);
    EXPECT_FALSE(form.Picture1->isVisible());
    EXPECT_EQ(testing_support::countPixels(form.canvas().screen(), red), 0) << "the red lines are gone";
    EXPECT_EQ(testing_support::differingPixels(form.canvas().screen(), form.canvas().persistent()), 0)
        << "the field stays";
    EXPECT_EQ(form.canvas().pixel(0, 0), black);

    form.onMouseDown(2, 0, 2500, 0);
    EXPECT_TRUE(form.Picture1->isVisible());
    // A click on the plot, away from its button and caption.
    QTest::mouseClick(form.Picture1, Qt::LeftButton, {}, QPoint(300, 150));
    EXPECT_FALSE(form.Picture1->isVisible());
}

using Form3Death = ::testing::Test;

TEST_F(Form3Death, ClosingTheWindowEndsTheWholeProgram)
{
    EXPECT_EXIT(
        {
            orvane::Program program;
            program.form1().show();
            program.form1().onCommand1Click();
            program.form3().close();
            std::_Exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
