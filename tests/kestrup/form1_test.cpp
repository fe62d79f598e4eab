// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "frames.h"

#include <kestrup/form1.h>

#include <platform/loop/events.h>
#include <platform/widgets/layout.h>
#include <platform/widgets/numbers.h>

#include <support/testing.h>

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using testing_support::countIn;

using kestrup_testing::loadHalted;
using kestrup_testing::runFrames;

using testing_support::black;
using testing_support::white;
const QColor grey(192, 192, 192);

// One pixel of the window, in form units, as tolerance for positions read back from widgets.
double unitsPerPixelX(const kestrup::Form1& form)
{
    return 4000.0 / form.canvas().logicalSize().width();
}

double unitsPerPixelY(const kestrup::Form1& form)
{
    return 2925.0 / form.canvas().logicalSize().height();
}

TEST(Form1, LoadLaysOutTheWindowAtNinetySixPercentOfTheScreen)
{
    kestrup::Form1 form;
    loadHalted(form);
    EXPECT_EQ(form.windowTitle(), "Zeigerdarstellung für zwei Wellen");
    EXPECT_TRUE(form.isVisible());
    const QSizeF screen = platform::screenSizeTwips();
    EXPECT_NEAR(form.widthTwips(), screen.width() * 0.96, platform::twipsPerPixel());
    EXPECT_NEAR(form.heightTwips(), screen.height() * 0.96, platform::twipsPerPixel());
    EXPECT_EQ(form.pos(), QPoint(0, 0));
    EXPECT_EQ(form.canvas().scaleLeft(), -100);
    EXPECT_EQ(form.canvas().scaleTop(), -1500);
    EXPECT_EQ(form.canvas().scaleWidth(), 4000);
    EXPECT_EQ(form.canvas().scaleHeight(), 2925);

    const double dx = 2 * unitsPerPixelX(form);
    const double dy = 2 * unitsPerPixelY(form);
    struct Place {
        const QWidget* control;
        double left, top, width, height;
    };
    const Place places[] = {
        {form.Frame4, -100, -1500, 700, 800},  {form.Frame5, 600, -1500, 1200, 200},
        {form.Frame1, 600, -1300, 350, 400},   {form.Frame2, 950, -1300, 350, 400},
        {form.Frame3, 1300, -1300, 500, 400},  {form.command1, 600, -900, 600, 190},
        {form.Command2, 1200, -900, 600, 190}, {form.Picture1, 1850, -1450, 2000, 1000},
    };
    for (const Place& p : places) {
        SCOPED_TRACE(p.left);
        EXPECT_NEAR(platform::leftInUnits(p.control), p.left, dx);
        EXPECT_NEAR(platform::topInUnits(p.control), p.top, dy);
        EXPECT_NEAR(platform::widthInUnits(p.control), p.width, dx);
        EXPECT_NEAR(platform::heightInUnits(p.control), p.height, dy);
    }
    EXPECT_NEAR(platform::leftInUnits(form.Text4), 0, dx);
    EXPECT_NEAR(platform::topInUnits(form.Text4), -350, dy);
    EXPECT_NEAR(platform::heightInUnits(form.Text4), 100, dy);
    EXPECT_NEAR(form.Text4->width(), platform::twipsToPixels(855), 1);
    // Inside the chain box, in its own units; the frames' controls keep their twips.
    EXPECT_NEAR(platform::leftInUnits(form.Label2), -280, 2);
    EXPECT_NEAR(platform::topInUnits(form.Label2), 120, 2);
    EXPECT_NEAR(platform::leftInUnits(form.Label3), -280, 2);
    EXPECT_NEAR(form.Label1->x(), platform::twipsToPixels(2040) + 1, 1);
    EXPECT_NEAR(form.Check9->y(), platform::twipsToPixels(840), 1);
    EXPECT_NEAR(form.HScroll6->x(), platform::twipsToPixels(240), 1);
}

TEST(Form1, LoadSetsTheStartStateTextsAndSwitches)
{
    kestrup::Form1 form;
    loadHalted(form);
    EXPECT_EQ(form.piValue, 4 * std::atan(1.0));
    EXPECT_EQ(form.waveNumber, -2 * form.piValue / 10);
    EXPECT_EQ(form.lastPoint, 25);
    EXPECT_EQ(form.amplitude, 60);
    EXPECT_EQ(form.spacing, 150);
    EXPECT_EQ(form.wavelength, 10);
    EXPECT_EQ(form.phaseStep, 0.09f);
    EXPECT_EQ(form.pathDifference, 0.0f);
    // Load drew one frame before the posted halt.
    EXPECT_EQ(form.phase, double{0.09f});
    EXPECT_EQ(form.halted, 1);
    EXPECT_EQ(form.chainHidden, 0);
    const std::int16_t switches[] = {form.showPoints1, form.showPhasor1,   form.showPoints2,   form.showPhasor2,
                                     form.showLine2,   form.showPointsSum, form.showPhasorSum, form.showLineSum};
    for (std::int16_t s : switches)
        EXPECT_EQ(s, 0);
    EXPECT_EQ(form.showLine1, 1);
    EXPECT_TRUE(form.Check7->isChecked());
    EXPECT_FALSE(form.Check1->isChecked() || form.Check2->isChecked() || form.Check6->isChecked());

    EXPECT_EQ(form.Text1->text(), "9");
    EXPECT_EQ(form.Text2->text(), "10");
    EXPECT_EQ(form.Text3->text(), "0");
    EXPECT_EQ(form.Text4->text(), " ds = 0");
    EXPECT_EQ(form.HScroll4->value(), 9);
    EXPECT_EQ(form.HScroll5->minimum(), 5);
    EXPECT_EQ(form.HScroll6->maximum(), 12);
    EXPECT_EQ(form.Frame4->title(), "Parameter");
    EXPECT_EQ(form.Frame3->title(), "Überlagerung");
    EXPECT_EQ(form.Frame1->title(), "Welle1");
    EXPECT_EQ(form.Frame2->title(), "Welle 2");
    EXPECT_EQ(form.Label5->text(), "Wellenlänge");
    EXPECT_EQ(form.Label2->text(), "Mausklick verbirgt die Zeigerkette");
    EXPECT_EQ(form.Label3->text(), "Mausklick zeigt die Zeigerkette");
    EXPECT_EQ(form.Label4->backColor(), grey);
    EXPECT_EQ(form.Text2->backColor(), grey);
    EXPECT_EQ(form.Frame5->palette().color(QPalette::Window), grey);
    EXPECT_EQ(form.Check4->palette().color(QPalette::Window), grey);
    EXPECT_EQ(form.Frame4->font().pointSizeF(), 12);
    EXPECT_EQ(form.Label6->font().pointSizeF(), 8.25);
    EXPECT_EQ(form.Label7->font().pointSizeF(), 24);

    EXPECT_FALSE(form.Picture1->isVisible());
    EXPECT_FALSE(form.Label3->isVisibleTo(form.Picture1));
    EXPECT_TRUE(form.Label2->isVisibleTo(form.Picture1));
}

TEST(Form1, LoadMarksTheRestPositionsAndDrawsTheReferenceTickPersistently)
{
    kestrup::Form1 form;
    loadHalted(form);
    for (int i = 0; i <= 25; ++i) {
        EXPECT_EQ(form.restX1[i], 150.0 * i);
        EXPECT_EQ(form.restY1[i], 0);
        EXPECT_EQ(form.restX2[i], 150.0 * i);
        EXPECT_EQ(form.restY2[i], 300);
        EXPECT_EQ(form.restXSum[i], 150.0 * i);
        EXPECT_EQ(form.restYSum[i], 750.0f);
        // Rows 2 and 3 keep their still marks until the first clearing.
        EXPECT_EQ(form.canvas().pixel(150.0 * i, 300), black) << i;
        EXPECT_EQ(form.canvas().pixel(150.0 * i, 750), black) << i;
    }
    EXPECT_EQ(form.restX1[26], form.restX1[25]);
    EXPECT_EQ(form.restYSum[26], form.restYSum[25]);

    const QPoint tick = form.canvas().devicePixel(0, -300);
    EXPECT_EQ(form.canvas().persistent().pixelColor(tick), black);
    form.onCheck8Click();
    EXPECT_EQ(form.canvas().pixel(0, -250), black);
    EXPECT_EQ(form.canvas().pixel(150 * 7, 300), white);
    EXPECT_EQ(form.canvas().pixel(150 * 7, 750), white);
}

TEST(Form1, FrequencySliderSetsThePhaseStepAtBothEnds)
{
    kestrup::Form1 form;
    loadHalted(form);
    const QImage before = form.canvas().screen().copy();
    form.HScroll4->setValue(20);
    EXPECT_EQ(form.phaseStep, 0.2f);
    EXPECT_EQ(form.Text1->text(), "20");
    form.HScroll4->setValue(1);
    EXPECT_EQ(form.phaseStep, 0.01f);
    EXPECT_EQ(form.Text1->text(), "1");
    EXPECT_EQ(form.halted, 1);
    EXPECT_EQ(testing_support::differingPixels(before, form.canvas().screen()), 0);
    const double phase = form.phase;
    runFrames(form, 3);
    EXPECT_DOUBLE_EQ(form.phase, phase + 3 * double{0.01f});
}

TEST(Form1, WavelengthSliderKeepsThePhaseClearsTheWindowAndUnhalts)
{
    kestrup::Form1 form;
    loadHalted(form);
    form.Picture1->canvas().pset(0, 0);
    const double phase = form.phase;
    form.HScroll5->setValue(5);
    EXPECT_EQ(form.wavelength, 5);
    EXPECT_EQ(form.waveNumber, -2 * form.piValue / 5);
    EXPECT_EQ(form.Text2->text(), "5");
    EXPECT_EQ(form.phase, phase);
    EXPECT_EQ(form.halted, 0);
    EXPECT_EQ(countIn(form.canvas(), black, -100, -100, 3900, 900), 0);
    EXPECT_EQ(form.canvas().pixel(0, -250), black);
    // The chain box is left as it was.
    EXPECT_EQ(form.Picture1->canvas().pixel(0, 0), black);
    form.HScroll5->setValue(20);
    EXPECT_EQ(form.waveNumber, -form.piValue / 10);
}

TEST(Form1, PathDifferenceMovesRowOneAndTheMarkerAndRestartsThePhase)
{
    kestrup::Form1 form;
    loadHalted(form);
    form.Picture1->canvas().pset(0, 0);
    form.HScroll6->setValue(12);
    EXPECT_EQ(form.pathDifference, 12.0f);
    EXPECT_EQ(form.Text3->text(), "12");
    EXPECT_EQ(form.Text4->text(), " ds = 12");
    EXPECT_NEAR(platform::leftInUnits(form.Text4), 1800, unitsPerPixelX(form));
    EXPECT_NEAR(platform::topInUnits(form.Text4), -350, unitsPerPixelY(form));
    EXPECT_EQ(form.restX1[0], 1800);
    EXPECT_EQ(form.restX1[25], 5550);
    EXPECT_EQ(form.restX2[0], 0);
    EXPECT_EQ(form.phase, 0);
    EXPECT_EQ(form.halted, 0);
    // The marker: a line from x = 0 to 1800 at y = -300 and a tick at 1800.
    EXPECT_EQ(form.canvas().pixel(900, -300), black);
    EXPECT_EQ(form.canvas().pixel(1800, -380), black);
    EXPECT_EQ(form.canvas().pixel(1800, -220), black);
    EXPECT_EQ(form.canvas().pixel(2500, -300), white);
    EXPECT_EQ(countIn(form.canvas(), black, -100, -100, 3900, 900), 0);
    EXPECT_EQ(form.Picture1->canvas().pixel(0, 0), white);
    form.HScroll6->setValue(0);
    EXPECT_EQ(form.Text4->text(), " ds = 0");
    EXPECT_EQ(form.restX1[25], 3750);
}

TEST(Form1, CheckBoxesToggleTheirSwitchAndClearTheWindow)
{
    kestrup::Form1 form;
    loadHalted(form);
    QTest::mouseClick(form.Check2, Qt::LeftButton);
    EXPECT_EQ(form.showPhasor1, 1);
    EXPECT_TRUE(form.Check2->isChecked());
    EXPECT_EQ(countIn(form.canvas(), black, -100, -100, 3900, 900), 0);
    EXPECT_EQ(form.canvas().pixel(0, -250), black);
    QTest::mouseClick(form.Check2, Qt::LeftButton);
    EXPECT_EQ(form.showPhasor1, 0);
    EXPECT_FALSE(form.Check2->isChecked());

    // "Punkte" and "Zeiger" clear the chain box; "Linie" leaves it.
    platform::CheckBox* clearing[] = {form.Check1, form.Check2, form.Check3, form.Check4, form.Check5, form.Check6};
    for (platform::CheckBox* box : clearing) {
        form.Picture1->canvas().pset(0, 0);
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ(form.Picture1->canvas().pixel(0, 0), white) << box->text().toStdString();
    }
    platform::CheckBox* keeping[] = {form.Check7, form.Check8, form.Check9};
    for (platform::CheckBox* box : keeping) {
        form.Picture1->canvas().pset(0, 0);
        QTest::mouseClick(box, Qt::LeftButton);
        EXPECT_EQ(form.Picture1->canvas().pixel(0, 0), black) << box->text().toStdString();
    }
    EXPECT_EQ(form.showPoints1 + form.showPhasor1 + form.showPoints2 + form.showPhasor2 + form.showPointsSum
                  + form.showPhasorSum + form.showLine2 + form.showLineSum,
              8);
    EXPECT_EQ(form.showLine1, 0);
}

TEST(Form1, HaltWeiterHaltsAndResumesWhereItStopped)
{
    kestrup::Form1 form;
    loadHalted(form);
    const double phase = form.phase;
    const auto tip = form.tipDx1;
    const QImage halted = form.canvas().screen().copy();
    platform::doEvents();
    EXPECT_EQ(testing_support::differingPixels(halted, form.canvas().screen()), 0);
    EXPECT_EQ(form.tipDx1, tip);

    // The real button, clicked while the frames run, halts before the next frame.
    int frames = 0;
    testing_support::post([&] {
        testing_support::post([&] {
            frames = static_cast<int>(std::lround((form.phase - phase) / double{0.09f}));
            QTest::mouseClick(form.command1, Qt::LeftButton);
        });
    });
    QTest::mouseClick(form.command1, Qt::LeftButton);
    EXPECT_EQ(form.halted, 1);
    EXPECT_EQ(frames, 2);
    EXPECT_DOUBLE_EQ(form.phase, phase + 2 * double{0.09f});
    EXPECT_NE(testing_support::differingPixels(halted, form.canvas().screen()), 0);
}

TEST(Form1, ASliderMovedWhileHaltedLeavesItUnhaltedWithNoLoopRunning)
{
    kestrup::Form1 form;
    loadHalted(form);
    form.HScroll5->setValue(11);
    EXPECT_EQ(form.halted, 0);
    const double phase = form.phase;
    form.onCommand1Click();
    EXPECT_EQ(form.halted, 1);
    EXPECT_EQ(form.phase, phase);
    runFrames(form, 4);
    EXPECT_DOUBLE_EQ(form.phase, phase + 4 * double{0.09f});
}

TEST(Form1, NoSliderValueOrClickWhileRunningBreaksTheLoop)
{
    kestrup::Form1 form;
    loadHalted(form);
    kestrup_testing::setSwitches(form, 0x1ff);
    runFrames(form, 40, [&form](int k) {
        const bool low = k % 2 == 0;
        form.HScroll4->setValue(low ? 1 : 20);
        form.HScroll5->setValue(low ? 5 : 20);
        form.HScroll6->setValue(low ? 0 : 12);
        if (k % 5 == 0)
            form.onPicture1Click();
        if (k % 7 == 0)
            QTest::mouseClick(form.Check5, Qt::LeftButton);
    });
    EXPECT_EQ(form.halted, 1);
    EXPECT_EQ(form.pathDifference, 0.0f);
    EXPECT_EQ(form.wavelength, 5);
    for (double v : form.tipDx1)
        EXPECT_TRUE(std::isfinite(v));
    // And while halted, at both ends.
    for (int v : {12, 0, 12}) {
        form.HScroll6->setValue(v);
        form.HScroll5->setValue(v + 8);
        form.HScroll4->setValue(v + 1);
    }
    // The sliders left it unhalted with no loop: a click on the chain box starts the frames.
    EXPECT_EQ(form.halted, 0);
    const double phase = form.phase;
    testing_support::post([&form] { form.onCommand1Click(); });
    form.onPicture1Click();
    EXPECT_EQ(form.halted, 1);
    EXPECT_DOUBLE_EQ(form.phase, phase + double{0.13f});
}

using Form1Death = ::testing::Test;

TEST_F(Form1Death, EndeEndsTheProgramWithStatusZero)
{
    EXPECT_EXIT(
        {
            kestrup::Form1 form;
            loadHalted(form);
            QTest::mouseClick(form.Command2, Qt::LeftButton);
            std::_Exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(Form1Death, ClosingWhileTheAnimationRunsEndsTheProgramWithStatusZero)
{
    EXPECT_EXIT(
        {
            kestrup::Form1 form;
            // Posted twice, so that the close arrives in the running loop's second yield.
            testing_support::post([&] { testing_support::post([&] { form.close(); }); });
            form.show();
            std::_Exit(3);
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EXIT(
        {
            kestrup::Form1 form;
            loadHalted(form);
            runFrames(form, 3, [&](int k) {
                if (k == 2)
                    form.onPicture1Click();
                if (k == 3)
                    form.close();
            });
            std::_Exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
