// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <tilmora/form1.h>

#include <support/testing.h>

#include <gtest/gtest.h>

#include <map>

namespace {

using testing_support::black;
using testing_support::white;

class ColourTest : public ::testing::Test {
protected:
    void SetUp() override { window.show(); }

    tilmora::form1 window;
};

// Base colours by wavelength slider value (20 × value nanometres); others are black.
const std::map<int, QColor> baseColours{
    {20, {0, 0, 64}},    {21, {0, 0, 90}},   {22, {0, 20, 100}},  {23, {0, 40, 100}},  {24, {0, 90, 110}},
    {25, {0, 100, 90}},  {26, {20, 120, 0}}, {27, {100, 120, 0}}, {28, {120, 120, 0}}, {29, {120, 110, 0}},
    {30, {120, 100, 0}}, {31, {120, 90, 0}}, {32, {120, 70, 0}},  {33, {120, 50, 0}},  {34, {120, 30, 0}},
    {35, {110, 0, 0}},   {36, {90, 0, 0}},   {37, {70, 0, 0}},    {38, {50, 0, 0}},
};

QColor times(const QColor& c, double factor)
{
    return QColor(int(c.red() * factor), int(c.green() * factor), int(c.blue() * factor));
}

TEST_F(ColourTest, RightAfterLoadTheSwatchesShowTheBaseAndTwiceIt)
{
    EXPECT_EQ(window.Text2->backColor(), QColor(120, 100, 0));
    EXPECT_EQ(window.Text3->backColor(), QColor(240, 200, 0));
    EXPECT_EQ(window.Text3->foreColor(), QColor(64, 64, 64));
    EXPECT_EQ(window.sumRed, 240);
    EXPECT_EQ(window.sumGreen, 200);
    EXPECT_EQ(window.sumBlue, 0);
    EXPECT_EQ(window.sumAmplitude, 0.0f);
}

TEST_F(ColourTest, EverySliderWavelengthGetsItsTableColour)
{
    for (int value = 15; value <= 40; ++value) {
        SCOPED_TRACE(value);
        window.HScroll1->setValue(value);
        const auto found = baseColours.find(value);
        const QColor base = found != baseColours.end() ? found->second : black;
        EXPECT_EQ(QColor(window.baseRed, window.baseGreen, window.baseBlue), base);
        EXPECT_EQ(window.Text2->backColor(), times(base, 1.5));
        EXPECT_EQ(window.Text3->backColor(), times(base, 2));
        if (found == baseColours.end()) {
            EXPECT_EQ(window.Text2->backColor(), black);
            EXPECT_EQ(window.Text3->foreColor(), white);
        }
    }
}

TEST_F(ColourTest, ASliderChangeBrightensTheSwatchOfOneWave)
{
    window.HScroll3->setValue(1);
    window.HScroll3->setValue(0);
    EXPECT_EQ(window.Text2->backColor(), QColor(180, 150, 0));
    EXPECT_EQ(window.Text3->backColor(), QColor(240, 200, 0));
    EXPECT_EQ(window.Text3->foreColor(), black);
    EXPECT_EQ(window.sumAmplitude, 2.0f);

    window.HScroll1->setValue(31);
    window.HScroll1->setValue(30);
    EXPECT_EQ(window.Text2->backColor(), QColor(180, 150, 0));
    EXPECT_EQ(window.Text3->backColor(), QColor(240, 200, 0));
    EXPECT_EQ(window.Text3->foreColor(), black);
}

TEST_F(ColourTest, HalfAWavelengthDarkensTheSumToBlackWithWhiteText)
{
    window.HScroll3->setValue(15);
    EXPECT_LT(window.sumAmplitude, 1e-3f);
    EXPECT_EQ(window.Text3->backColor(), black);
    EXPECT_EQ(window.Text3->foreColor(), white);
    EXPECT_EQ(window.Text2->backColor(), QColor(180, 150, 0));

    // A quarter wavelength: phasors at right angles, √2 times the base.
    window.HScroll3->setValue(0);
    window.HScroll1->setValue(20);
    window.HScroll3->setValue(5);
    EXPECT_NEAR(window.sumAmplitude, std::sqrt(2.0f), 1e-5);
    EXPECT_EQ(window.Text3->backColor(), QColor(0, 0, 91));
    EXPECT_EQ(window.Text3->foreColor(), white);
}

TEST_F(ColourTest, TheSumTextTurnsDarkAboveABrightnessOf199)
{
    // 400 nm in phase: 0, 0, 128 adds up to 128, too dark for dark text.
    window.HScroll1->setValue(20);
    EXPECT_EQ(window.Text3->backColor(), QColor(0, 0, 128));
    EXPECT_EQ(window.Text3->foreColor(), white);
    // 480 nm: 0, 180, 220 is bright.
    window.HScroll1->setValue(24);
    EXPECT_EQ(window.Text3->foreColor(), black);
    // 700 nm: 220, 0, 0 is just above the limit; 720 nm's 180 is below it.
    window.HScroll1->setValue(35);
    EXPECT_EQ(window.Text3->foreColor(), black);
    window.HScroll1->setValue(36);
    EXPECT_EQ(window.Text3->foreColor(), white);
}

TEST_F(ColourTest, TimeStretchingLeavesTheSwatchesAlone)
{
    window.HScroll2->setValue(500);
    EXPECT_EQ(window.Text2->backColor(), QColor(120, 100, 0));
    EXPECT_EQ(window.Text3->foreColor(), QColor(64, 64, 64));
}

} // namespace
