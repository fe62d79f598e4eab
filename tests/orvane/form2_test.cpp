// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <orvane/form1.h>
#include <orvane/form2.h>
#include <orvane/program.h>

#include "../support/testing.h"

#include <platform/widgets/layout.h>

#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <type_traits>

namespace {

using platform::Primitive;

// The superposition window as the start menu opens it.
class Form2Window : public ::testing::Test {
protected:
    void SetUp() override
    {
        program.form1().show();
        QTest::mouseClick(program.form1().Command2, Qt::LeftButton);
    }

    orvane::Form2& form() { return program.form2(); }
    // One pixel of the window in its own units, the rounding of any placement.
    double windowPixel() { return 3000.0 / form().width(); }
    // Runs the animation for one frame: the stop is clicked in the frame's first yield.
    void runOneFrame()
    {
        testing_support::post([this] { QTest::mouseClick(form().Command1, Qt::LeftButton); });
        QTest::mouseClick(form().Command1, Qt::LeftButton);
    }

    orvane::Program program;
};

TEST_F(Form2Window, LoadSizesAndScalesTheWindowAndPlacesBothSurfaces)
{
    orvane::Form2& f = form();
    EXPECT_TRUE(f.isVisible());
    EXPECT_FALSE(program.form1().isVisible());
    EXPECT_EQ(f.windowTitle(), "Superposition von Wellen - Phasenzeiger");
    const QSizeF screen = platform::screenSizeTwips();
    EXPECT_NEAR(f.widthTwips(), 0.99 * screen.width(), platform::twipsPerPixel());
    EXPECT_NEAR(f.heightTwips(), 0.99 * screen.height(), platform::twipsPerPixel());
    EXPECT_EQ(f.pos(), QPoint(0, 0));
    EXPECT_EQ(f.canvas().scaleWidth(), 3000);
    EXPECT_EQ(f.canvas().scaleHeight(), 3000);
    EXPECT_EQ(f.canvas().pixel(2990, 2990), QColor(224, 224, 224));

    const double px = windowPixel();
    EXPECT_NEAR(platform::leftInUnits(f.Picture1), 10, px);
    EXPECT_NEAR(platform::topInUnits(f.Picture1), 1350, px);
    EXPECT_NEAR(platform::widthInUnits(f.Picture1), 3950, px);
    EXPECT_NEAR(platform::heightInUnits(f.Picture1), 1500, 3000.0 / f.height());
    const platform::Canvas& waves = f.Picture1->canvas();
    EXPECT_EQ(waves.scaleLeft(), -10);
    EXPECT_EQ(waves.scaleTop(), 0);
    EXPECT_EQ(waves.scaleWidth(), 3000);
    EXPECT_EQ(waves.scaleHeight(), 1000);

    EXPECT_NEAR(platform::leftInUnits(f.Picture2), 1055, px);
    EXPECT_NEAR(platform::topInUnits(f.Picture2), 50, 3000.0 / f.height());
    EXPECT_NEAR(platform::widthInUnits(f.Picture2), 1020, px);
    const platform::Canvas& panel = f.Picture2->canvas();
    EXPECT_EQ(panel.scaleLeft(), -150);
    EXPECT_EQ(panel.scaleTop(), -140);
    EXPECT_EQ(panel.scaleWidth(), 300);
    EXPECT_EQ(panel.scaleHeight(), 280);

    // Nothing is drawn at load.
    EXPECT_EQ(testing_support::countPixels(waves.screen(), Qt::white),
              waves.screen().width() * waves.screen().height());
    EXPECT_EQ(testing_support::countPixels(panel.screen(), Qt::white),
              panel.screen().width() * panel.screen().height());
}

TEST_F(Form2Window, ThePanelsButtonsSitInItsCornersInItsOwnScale)
{
    orvane::Form2& f = form();
    const platform::Canvas& panel = f.Picture2->canvas();
    const double unitX = 300.0 / panel.logicalSize().width();
    const double unitY = 280.0 / panel.logicalSize().height();
    EXPECT_NEAR(platform::leftInUnits(f.Command6), -150, unitX);
    EXPECT_NEAR(platform::topInUnits(f.Command6), -140, unitY);
    EXPECT_NEAR(platform::leftInUnits(f.Command5) + platform::widthInUnits(f.Command5), 150, unitX);
    EXPECT_NEAR(platform::topInUnits(f.Command5), -140, unitY);
    EXPECT_NEAR(platform::leftInUnits(f.Command4) + platform::widthInUnits(f.Command4) / 2, 0, unitX);
    EXPECT_NEAR(platform::leftInUnits(f.Label8) + platform::widthInUnits(f.Label8) / 2, 0, unitX);
    EXPECT_NEAR(platform::topInUnits(f.Label8) + platform::heightInUnits(f.Label8), 140, unitY);
    // Laid-out sizes in twips.
    EXPECT_NEAR(f.Command5->width() * platform::twipsPerPixel(), 855, platform::twipsPerPixel());
    EXPECT_NEAR(f.Command4->width() * platform::twipsPerPixel(), 2775, platform::twipsPerPixel());
    EXPECT_NEAR(f.Label4->width() * platform::twipsPerPixel(), 5895, platform::twipsPerPixel());
    EXPECT_EQ(f.Label4->pos(), QPoint(8 + 1, 1));
    EXPECT_EQ(f.Label4->text(), "Mausklick an einer Stelle der Wellen zeigt Vektorsumme ");
}

TEST_F(Form2Window, TheLeftColumnHasItsLaidOutTextsRangesAndColours)
{
    orvane::Form2& f = form();
    const QColor grey(224, 224, 224);
    EXPECT_EQ(f.Command1->text(), "Start W1/Menu");
    EXPECT_EQ(f.Label5->text(), "off" + QString(37, ' '));
    EXPECT_EQ(f.Command2->text(), "Welle 2 on/off");
    EXPECT_EQ(f.Label6->text(), "off");
    EXPECT_EQ(f.Command3->text(), "Summe on/off");
    EXPECT_EQ(f.Label7->text(), "off");
    EXPECT_EQ(f.label1->text(), "Wellenlänge");
    EXPECT_EQ(f.Label2->text(), "Geschwindigkeit");
    EXPECT_EQ(f.Label3->text(), "Phasenverschiebung");
    EXPECT_EQ(f.Text1->text(), "28");
    EXPECT_EQ(f.Text3->text(), "1");
    EXPECT_EQ(f.Text2->text(), "7");
    EXPECT_EQ(f.Command4->text(), "Vektorsumme W1+W2");
    EXPECT_EQ(f.Label8->text(), "Zeiger W1 und W2");
    for (const platform::Label* label : {f.Label5, f.Label6, f.Label7, f.label1, f.Label2, f.Label3})
        EXPECT_EQ(label->backColor(), grey) << label->text().toStdString();
    for (const platform::TextBox* box : {f.Text1, f.Text3, f.Text2})
        EXPECT_EQ(box->backColor(), grey);
    EXPECT_EQ(f.HScroll1->minimum(), 15);
    EXPECT_EQ(f.HScroll1->maximum(), 42);
    EXPECT_EQ(f.HScroll1->value(), 28);
    EXPECT_EQ(f.HScroll2->minimum(), 800);
    EXPECT_EQ(f.HScroll2->maximum(), 1000);
    EXPECT_EQ(f.HScroll2->value(), 900);
    EXPECT_EQ(f.HScroll2->pageStep(), 5);
    EXPECT_EQ(f.HScroll3->minimum(), 0);
    EXPECT_EQ(f.HScroll3->maximum(), 50);
    EXPECT_EQ(f.HScroll3->value(), 7);
    // Still in twips: the window's user scale moves none of them.
    EXPECT_EQ(f.Command1->geometry(), QRect(16, 8, 113, 33));
    EXPECT_EQ(f.Label3->geometry(), QRect(8, 304, 129, 25));
    EXPECT_EQ(f.Text3->geometry(), QRect(136, 200, 33, 19));
}

TEST_F(Form2Window, LoadSetsTheStateAndThePointTables)
{
    orvane::Form2& f = form();
    static_assert(std::is_same_v<decltype(f.wavelength), std::int16_t>);
    static_assert(std::is_same_v<decltype(f.waveNumber), double>);
    static_assert(std::is_same_v<decltype(f.phaseStep), float>);
    EXPECT_EQ(f.piValue, static_cast<float>(4 * std::atan(1.0)));
    EXPECT_DOUBLE_EQ(f.waveNumber, f.piValue * -2.0 / 28);
    EXPECT_EQ(f.phaseStep, 1.0F / 28);
    EXPECT_EQ(f.speed, 1.0F);
    EXPECT_EQ(f.amplitude, 100);
    EXPECT_EQ(f.selectedPoint, 50);
    EXPECT_EQ(f.phaseShift, 7);
    EXPECT_EQ(f.pointCount, 100);
    EXPECT_EQ(f.pointSpacing, 30);
    EXPECT_EQ(f.halted, 1);
    EXPECT_EQ(f.wave2Off, 1);
    EXPECT_EQ(f.sumOff, 1);
    EXPECT_EQ(f.vectorSumMode, 0);
    EXPECT_EQ(f.singlePhasorMode, 1);
    EXPECT_EQ(f.timePhase, 0);
    EXPECT_EQ(f.pointIndex, 100); // left behind by the loop that filled the tables
    EXPECT_EQ(f.wave1X[0], 0);
    EXPECT_EQ(f.wave2X[99], 2970);
    EXPECT_EQ(f.sumTraceX[51], 1530);
    EXPECT_EQ(f.wave1Y[99], 180);
    EXPECT_EQ(f.wave2Y[0], 420);
    EXPECT_EQ(f.sumTraceY[42], 780);
    for (int i = 100; i < orvane::Form2::tableSize; ++i) {
        ASSERT_EQ(f.wave1X[i], 0);
        ASSERT_EQ(f.sumTraceY[i], 0);
    }
}

TEST_F(Form2Window, StartRunsAndMenuReturnsToTheStartMenuWithTheStateKept)
{
    orvane::Form2& f = form();
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    f.HScroll1->setValue(30);
    QString labelWhileRunning;
    QString captionWhileRunning;
    testing_support::post([&] {
        labelWhileRunning = f.Label5->text();
        captionWhileRunning = f.Command1->text();
        QTest::mouseClick(f.Command1, Qt::LeftButton);
    });
    QTest::mouseClick(f.Command1, Qt::LeftButton);
    EXPECT_EQ(labelWhileRunning, "W1 on");
    EXPECT_EQ(captionWhileRunning, "Menu");
    EXPECT_EQ(f.halted, 1);
    EXPECT_EQ(f.Label5->text(), "off");
    EXPECT_EQ(f.Command1->text(), "Start/W1");
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(program.form1().isVisible());
    EXPECT_EQ(f.timePhase, f.phaseStep); // one frame ran

    QTest::mouseClick(program.form1().Command2, Qt::LeftButton);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.wave2Off, 0);
    EXPECT_EQ(f.Label6->text(), "on");
    EXPECT_EQ(f.wavelength, 30);
    EXPECT_EQ(f.HScroll1->value(), 30);
    EXPECT_EQ(f.Command1->text(), "Start/W1");
}

TEST_F(Form2Window, TheSwitchesToggleAndNameTheirState)
{
    orvane::Form2& f = form();
    QTest::mouseClick(f.Command3, Qt::LeftButton);
    EXPECT_EQ(f.sumOff, 0);
    EXPECT_EQ(f.Label7->text(), "on"); // while W2 is still off
    QTest::mouseClick(f.Command2, Qt::LeftButton);
    EXPECT_EQ(f.wave2Off, 0);
    EXPECT_EQ(f.Label6->text(), "on");
    f.onCommand2Click();
    f.onCommand3Click();
    EXPECT_EQ(f.wave2Off, 1);
    EXPECT_EQ(f.sumOff, 1);
    EXPECT_EQ(f.Label6->text(), "off");
    EXPECT_EQ(f.Label7->text(), "off");

    QTest::mouseClick(f.Command4, Qt::LeftButton);
    EXPECT_EQ(f.vectorSumMode, 1);
    EXPECT_EQ(f.singlePhasorMode, 0);
    EXPECT_EQ(f.Command4->text(), "Zeiger W1 und W2");
    EXPECT_EQ(f.Label8->text(), "Vektorsumme W1 + W2");
    QTest::mouseClick(f.Command4, Qt::LeftButton);
    EXPECT_EQ(f.vectorSumMode, 0);
    EXPECT_EQ(f.singlePhasorMode, 1);
    EXPECT_EQ(f.Command4->text(), "Vektorsumme W1 + W2");
    EXPECT_EQ(f.Label8->text(), "Zeiger W1 und W2");
}

TEST_F(Form2Window, TheSpeedSliderShowsTwoDecimalsInTheLocaleAndRestartsTime)
{
    const testing_support::LocaleScope german(QLocale::German);
    orvane::Form2& f = form();
    f.timePhase = 5;
    f.HScroll2->setValue(905);
    EXPECT_EQ(f.Text3->text(), "1,05");
    EXPECT_FLOAT_EQ(f.speed, 1.05F);
    EXPECT_EQ(f.timePhase, 0);
    EXPECT_EQ(f.phaseStep, f.speed / 28);
    f.HScroll2->setValue(1000);
    EXPECT_EQ(f.Text3->text(), "2");
    EXPECT_EQ(f.phaseStep, 2.0F / 28);
    f.HScroll2->setValue(800);
    EXPECT_EQ(f.Text3->text(), "0");
    EXPECT_EQ(f.speed, 0);
    EXPECT_EQ(f.phaseStep, 0);
    QLocale::setDefault(QLocale(QLocale::English));
    f.HScroll2->setValue(913);
    EXPECT_EQ(f.Text3->text(), "1.13");
    // Nothing is drawn.
    const QImage& waves = f.Picture1->canvas().screen();
    EXPECT_EQ(testing_support::countPixels(waves, Qt::white), waves.width() * waves.height());
}

TEST_F(Form2Window, WavelengthAndPhaseShiftSetTheWaveAndKeepTheTime)
{
    orvane::Form2& f = form();
    f.timePhase = 2;
    f.HScroll1->setValue(42);
    EXPECT_EQ(f.Text1->text(), "42");
    EXPECT_EQ(f.wavelength, 42);
    EXPECT_DOUBLE_EQ(f.waveNumber, f.piValue * -2.0 / 42);
    EXPECT_EQ(f.phaseStep, 1.0F / 42);
    f.HScroll3->setValue(50);
    EXPECT_EQ(f.Text2->text(), "50");
    EXPECT_EQ(f.phaseShift, 50);
    EXPECT_DOUBLE_EQ(f.waveNumber, f.piValue * -2.0 / 42);
    EXPECT_EQ(f.timePhase, 2);
}

TEST_F(Form2Window, WhileHaltedTheWaveSlidersRedrawTheSurfaceAndClearThePanel)
{
    orvane::Form2& f = form();
    f.onCommand6Click(); // a selection draws the halted phasor picture
    const platform::Canvas& panel = f.Picture2->canvas();
    ASSERT_GT(testing_support::countPixels(panel.screen(), QColor(128, 255, 0)), 0);
    f.Picture1->canvas().setRecording(true);
    f.HScroll1->setValue(30);
    const auto& log = f.Picture1->canvas().log();
    ASSERT_EQ(log.size(), 100u * 4u);
    EXPECT_EQ(log[0].colour, QColor(0, 0, 0));
    EXPECT_EQ(log[3].colour, QColor(255, 255, 255));
    EXPECT_EQ(testing_support::countPixels(panel.screen(), Qt::white),
              panel.screen().width() * panel.screen().height());

    f.Picture1->canvas().clearLog();
    f.HScroll3->setValue(9);
    EXPECT_EQ(log.size(), 100u * 4u);
}

TEST_F(Form2Window, WhileRunningTheSlidersDrawNothing)
{
    orvane::Form2& f = form();
    std::size_t wavesDrawn = 0;
    std::size_t panelDrawn = 0;
    testing_support::post([&] {
        f.Picture1->canvas().setRecording(true);
        f.Picture2->canvas().setRecording(true);
        f.HScroll1->setValue(20);
        f.HScroll3->setValue(30);
        f.HScroll2->setValue(950);
        wavesDrawn = f.Picture1->canvas().log().size();
        panelDrawn = f.Picture2->canvas().log().size();
        f.onCommand1Click();
    });
    f.onCommand1Click();
    EXPECT_EQ(wavesDrawn, 0u);
    EXPECT_EQ(panelDrawn, 0u);
    EXPECT_EQ(f.wavelength, 20);
    EXPECT_EQ(f.phaseShift, 30);
    // The speed change in the frame's first yield reset the time, which the frame then advanced.
    EXPECT_EQ(f.timePhase, f.phaseStep);
    EXPECT_EQ(f.phaseStep, 1.5F / 20);
}

} // namespace
