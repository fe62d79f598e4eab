// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <tilmora/form1.h>

#include <platform/widgets/layout.h>
#include <platform/widgets/numbers.h>

#include <support/testing.h>

#include <QLocale>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace {

using testing_support::red;
const QColor green(0, 255, 0);

using testing_support::LocaleScope;

class Form1Test : public ::testing::Test {
protected:
    void SetUp() override { window.show(); }

    // The six indicators from top to bottom: Start, Welle 2, Summe, Farbe, Phasenzeiger W1/W2, Summe.
    std::vector<QColor> indicators() const
    {
        return {window.Label10->backColor(), window.Label11->backColor(), window.Label12->backColor(),
                window.Label13->backColor(), window.Label14->backColor(), window.Label8->backColor()};
    }

    tilmora::form1 window;
};

TEST_F(Form1Test, LoadSetsTheStateTheTextsAndTheSwitchesOff)
{
    EXPECT_EQ(window.windowTitle(), "Interferenz zweier kohärenter Wellen -   Darstellung mit Phasenzeigern");
    EXPECT_EQ(window.wavelength, 30);
    EXPECT_EQ(window.selectedPoint, 50);
    EXPECT_EQ(window.pointCount, 100);
    EXPECT_EQ(window.pointSpacing, 30);
    EXPECT_EQ(window.pathDifference, 0);
    EXPECT_FLOAT_EQ(window.piValue, 3.1415927f);
    EXPECT_EQ(window.waveNumber, double(-2 * window.piValue / 30));
    EXPECT_EQ(window.phaseStep, 10.0f / 30);
    EXPECT_EQ(window.stretchFactor, 10.0f);
    EXPECT_EQ(window.waveBrightness, 1.5f);
    for (std::int16_t sw : {window.halted, window.wave2Off, window.sumOff, window.phasorsOff, window.phasorSumOff})
        EXPECT_EQ(sw, 1);
    EXPECT_EQ(window.Text1->text(), "0 Wellenl. oder   0°");
    EXPECT_TRUE(window.Text4->text().isEmpty());
    for (const QColor& light : indicators())
        EXPECT_EQ(light, red);
    EXPECT_TRUE(window.Text2->isHidden());
    EXPECT_TRUE(window.Text3->isHidden());
    EXPECT_EQ(window.Picture1->canvas().drawWidth(), 2);

    EXPECT_EQ(window.wave1X[0], 0.0f);
    EXPECT_EQ(window.wave2X[99], 2970.0f);
    EXPECT_EQ(window.sumTraceX[50], 1500.0f);
    EXPECT_EQ(window.wave1Y[7], 180.0f);
    EXPECT_EQ(window.wave2Y[7], 420.0f);
    EXPECT_EQ(window.sumTraceY[7], 780.0f);
    EXPECT_EQ(window.wave1Y[100], 0.0f);
}

TEST_F(Form1Test, ControlsKeepTheirCaptionsByteForByte)
{
    EXPECT_EQ(window.Label1->text(), "    Wellenlänge");
    EXPECT_EQ(window.Label7->text(), " 300 ....Nanometer....800");
    EXPECT_EQ(window.Label2->text(), "    Zeitdehnung");
    EXPECT_EQ(window.Label4->text(), "ca.10  ........10    fach");
    EXPECT_EQ(window.Label5->text(), "14");
    EXPECT_EQ(window.Label6->text(), "17");
    EXPECT_EQ(window.Label3->text(), "Gangdifferenz in Wellenlänge bzw. Grad");
    EXPECT_EQ(window.Command3->text(), "Start/Stopp");
    EXPECT_EQ(window.Command1->text(), "Welle 2 on/off");
    EXPECT_EQ(window.Command5->text(), "Summe  on/off");
    EXPECT_EQ(window.Command2->text(), "Farbe     on/off");
    EXPECT_EQ(window.Command6->text(), "  Phasenzeiger        W1 und W2");
    EXPECT_EQ(window.Command7->text(), "  Phasenzeiger           Summe");
    EXPECT_EQ(window.Text2->text(), "             W1 oder W2\n");
    EXPECT_EQ(window.Text3->text(), "                  W1+W2\n");
    EXPECT_EQ(window.Text1->backColor(), QColor(192, 192, 192));
    EXPECT_EQ(window.Text4->backColor(), QColor(0, 0, 0));
    EXPECT_EQ(window.Text4->foreColor(), QColor(255, 255, 255));
    EXPECT_EQ(window.Text2->foreColor(), QColor(224, 224, 224));
}

TEST_F(Form1Test, SurfacesArePlacedAndScaledInTheWindowsUnits)
{
    const double pixelX = 4000.0 / window.width();
    const double pixelY = 3000.0 / window.height();
    EXPECT_EQ(window.canvas().scaleWidth(), 4000);
    EXPECT_EQ(window.canvas().scaleHeight(), 3000);
    EXPECT_NEAR(platform::leftInUnits(window.Picture1), 10, pixelX);
    EXPECT_NEAR(platform::topInUnits(window.Picture1), 1400, pixelY);
    EXPECT_NEAR(platform::widthInUnits(window.Picture1), 3950, pixelX);
    EXPECT_NEAR(platform::heightInUnits(window.Picture1), 1500, pixelY);
    EXPECT_NEAR(platform::leftInUnits(window.Picture2), 2800, pixelX);
    EXPECT_NEAR(platform::topInUnits(window.Picture2), 200, pixelY);
    EXPECT_NEAR(platform::widthInUnits(window.Picture2), 1150, pixelX);

    const platform::Canvas& bars = window.Picture1->canvas();
    EXPECT_EQ(bars.scaleLeft(), -10);
    EXPECT_EQ(bars.scaleTop(), 0);
    EXPECT_EQ(bars.scaleWidth(), 3000);
    EXPECT_EQ(bars.scaleHeight(), 1000);
    const platform::Canvas& phasors = window.Picture2->canvas();
    EXPECT_EQ(phasors.scaleLeft(), -150);
    EXPECT_EQ(phasors.scaleTop(), -150);
    EXPECT_EQ(phasors.scaleWidth(), 300);
    EXPECT_EQ(phasors.scaleHeight(), 300);

    // The swatches stay where they were laid out in Picture2's twips: 8 pixels in at 96 dpi.
    const double twip = platform::twipsPerPixel();
    EXPECT_NEAR(window.Text2->x() * twip, 120, twip);
    EXPECT_NEAR(window.Text3->y() * twip, 2280, twip);
    EXPECT_NEAR(window.Text3->width() * twip, 4095, twip);
    // The indicators stand right of their buttons, on the same row.
    EXPECT_EQ(window.Label10->y(), window.Command3->y());
    EXPECT_EQ(window.Label8->y(), window.Command7->y());
    EXPECT_GT(window.Label14->x(), window.Command6->x() + window.Command6->width());
}

TEST_F(Form1Test, TheExponentsStandBehindTheirBasesOnOneLine)
{
    // Each "10" of the scale text ends before its exponent label begins, and no more than a few
    // pixels before it.
    const QFontMetricsF metrics(window.Label4->font());
    const QString text = window.Label4->text();
    const double origin = window.Label4->x() + window.Label4->contentsRect().left();
    const qsizetype first = text.indexOf("10") + 2;
    const qsizetype second = text.indexOf("10", first) + 2;
    const double firstBase = origin + metrics.horizontalAdvance(text.left(first));
    const double secondBase = origin + metrics.horizontalAdvance(text.left(second));
    EXPECT_LE(firstBase, window.Label5->x() + 1);
    EXPECT_GT(firstBase, window.Label5->x() - 8);
    EXPECT_LE(secondBase, window.Label6->x() + 1);
    EXPECT_GT(secondBase, window.Label6->x() - 8);
    EXPECT_LE(QFontMetricsF(window.Label3->font()).horizontalAdvance(window.Label3->text()),
              window.Label3->contentsRect().width());
}

TEST_F(Form1Test, PathDifferenceTextFollowsTheLocale)
{
    {
        LocaleScope german(QLocale::German);
        window.HScroll1->setValue(15);
        window.HScroll3->setValue(50);
        EXPECT_EQ(window.Text1->text(), "3,33 Wellenl. oder  1200°");
        EXPECT_EQ(window.pathDegrees, 1200);
    }
    {
        LocaleScope english(QLocale::English);
        window.HScroll3->setValue(49);
        window.HScroll3->setValue(50);
        EXPECT_EQ(window.Text1->text(), "3.33 Wellenl. oder  1200°");
    }
}

TEST_F(Form1Test, PathDifferenceTextRoundsAndFollowsBothSliders)
{
    LocaleScope english(QLocale::English);
    window.HScroll3->setValue(7);
    EXPECT_EQ(window.Text1->text(), "0.23 Wellenl. oder  84°");
    window.HScroll3->setValue(15);
    EXPECT_EQ(window.Text1->text(), "0.5 Wellenl. oder  180°");
    // A new wavelength with the path difference kept recomputes both numbers.
    window.HScroll1->setValue(40);
    EXPECT_EQ(window.Text1->text(), "0.38 Wellenl. oder  135°");
    EXPECT_EQ(window.waveNumber, double(-2 * window.piValue / 40));
    EXPECT_EQ(window.phaseStep, 10.0f / 40);
    window.HScroll3->setValue(0);
    EXPECT_EQ(window.Text1->text(), "0 Wellenl. oder  0°");
    // Halves round up: 1/40 of a wavelength is 0.025.
    window.HScroll3->setValue(1);
    EXPECT_EQ(window.Text1->text(), "0.03 Wellenl. oder  9°");
}

TEST_F(Form1Test, TimeStretchingSetsTheSpeedAndRewindsTheWaves)
{
    window.timePhase = 5;
    window.HScroll2->setValue(1000);
    EXPECT_EQ(window.stretchFactor, 0.01f);
    EXPECT_EQ(window.timePhase, 0.0f);
    EXPECT_EQ(window.phaseStep, 0.01f / 30);
    window.HScroll1->setValue(20);
    EXPECT_EQ(window.phaseStep, 0.01f / 20);
    window.HScroll2->setValue(1);
    EXPECT_EQ(window.stretchFactor, 10.0f);
    EXPECT_EQ(window.phaseStep, 0.5f);
}

TEST_F(Form1Test, WaveAndSumButtonsSwitchTheirIndicatorsAndTheCaption)
{
    QTest::mouseClick(window.Command1, Qt::LeftButton);
    EXPECT_EQ(window.wave2Off, 0);
    EXPECT_EQ(window.Label11->backColor(), green);
    EXPECT_EQ(window.Text4->text(), "          Wellen W1 und W2");
    QTest::mouseClick(window.Command5, Qt::LeftButton);
    EXPECT_EQ(window.sumOff, 0);
    EXPECT_EQ(window.Label12->backColor(), green);
    EXPECT_EQ(window.Text4->text(), "      Wellen W1, W2 und W1+W2");
    window.onCommand5Click();
    EXPECT_EQ(window.Label12->backColor(), red);
    EXPECT_TRUE(window.Text4->text().isEmpty());

    // With the phasor display of W1 and W2 on, switching wave 2 on names the phasors.
    window.onCommand1Click();
    EXPECT_EQ(window.Text4->text(), "");
    window.onCommand6Click();
    EXPECT_EQ(window.Text4->text(), "       Phasenzeiger von W1");
    window.onCommand1Click();
    EXPECT_EQ(window.Text4->text(), "   Phasenzeiger von W1und W2");
    window.onCommand1Click();
    EXPECT_TRUE(window.Text4->text().isEmpty());
    EXPECT_EQ(window.Label11->backColor(), red);
}

TEST_F(Form1Test, SwatchesAndPhasorDisplaysExcludeOneAnother)
{
    QTest::mouseClick(window.Command2, Qt::LeftButton);
    EXPECT_FALSE(window.Text2->isHidden());
    EXPECT_FALSE(window.Text3->isHidden());
    EXPECT_EQ(window.Text4->text(), "          Farbreiz der Wellen");
    EXPECT_EQ(indicators(), (std::vector<QColor>{red, red, red, green, red, red}));

    QTest::mouseClick(window.Command6, Qt::LeftButton);
    EXPECT_EQ(window.phasorsOff, 0);
    EXPECT_TRUE(window.Text2->isHidden());
    EXPECT_TRUE(window.Text3->isHidden());
    EXPECT_EQ(window.Text4->text(), "       Phasenzeiger von W1");
    EXPECT_EQ(indicators(), (std::vector<QColor>{red, red, red, red, green, red}));

    QTest::mouseClick(window.Command7, Qt::LeftButton);
    EXPECT_EQ(window.phasorSumOff, 0);
    EXPECT_EQ(window.phasorsOff, 1);
    EXPECT_EQ(window.Text4->text(), "       Phasenzeiger von W1"); // left to the animation
    EXPECT_EQ(indicators(), (std::vector<QColor>{red, red, red, red, red, green}));

    // The swatches switch both phasor displays off.
    window.onCommand2Click();
    EXPECT_EQ(window.phasorSumOff, 1);
    EXPECT_EQ(window.phasorsOff, 1);
    EXPECT_EQ(indicators(), (std::vector<QColor>{red, red, red, green, red, red}));
    window.onCommand2Click();
    EXPECT_TRUE(window.Text2->isHidden());
    EXPECT_TRUE(window.Text4->text().isEmpty());
    EXPECT_EQ(window.Label13->backColor(), red);

    window.onCommand6Click();
    window.onCommand6Click();
    EXPECT_EQ(window.Label14->backColor(), red);
    EXPECT_TRUE(window.Text4->text().isEmpty());
    window.onCommand7Click();
    window.onCommand7Click();
    EXPECT_EQ(window.Label8->backColor(), red);
}

TEST_F(Form1Test, SwatchesHiddenWithTheWindowStillToggle)
{
    window.hide();
    window.onCommand2Click();
    EXPECT_FALSE(window.Text2->isHidden());
    window.onCommand2Click();
    EXPECT_TRUE(window.Text2->isHidden());
}

using Form1DeathTest = Form1Test;

TEST_F(Form1DeathTest, ClosingEndsTheProgramWithStatusZero)
{
    EXPECT_EXIT(
        {
            window.close();
            std::_Exit(3);
        },
        ::testing::ExitedWithCode(0), "");
}

} // namespace
