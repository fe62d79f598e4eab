// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <platform/widgets/numbers.h>
#include <support/testing.h>

#include <QLocale>

#include <gtest/gtest.h>

namespace {

using namespace platform;

using testing_support::LocaleScope;

TEST(Numbers, RgbIsTheTripleAndItsIntegerValue)
{
    const QColor c = rgb(255, 255, 128);
    EXPECT_EQ(c.red(), 255);
    EXPECT_EQ(c.green(), 255);
    EXPECT_EQ(c.blue(), 128);
    // r + 256·g + 65536·b, as the colour's integer is written.
    EXPECT_EQ(c.red() + 256 * c.green() + 65536 * c.blue(), 8454143);
}

TEST(Numbers, ToIntegerRoundsHalvesToEvenAndIntRoundsDown)
{
    EXPECT_EQ(toInteger(0.5), 0);
    EXPECT_EQ(toInteger(1.5), 2);
    EXPECT_EQ(toInteger(2.5), 2);
    EXPECT_EQ(toInteger(-0.5), 0);
    EXPECT_EQ(toInteger(-1.5), -2);
    EXPECT_EQ(toInteger(179.99999), 180);
    EXPECT_EQ(toInteger(1e9), 32767);
    EXPECT_EQ(toInteger(-1e9), -32768);
    EXPECT_EQ(intFloor(1.99), 1);
    EXPECT_EQ(intFloor(-0.01), -1);
    EXPECT_EQ(intFloor(49.5 + 0.5), 50);
}

TEST(Numbers, TextUsesTheLocalesSeparatorAndNoLeadingBlank)
{
    {
        LocaleScope german(QLocale::German);
        EXPECT_EQ(numberText(1.05), "1,05");
        EXPECT_EQ(numberText(3.33), "3,33");
        EXPECT_EQ(numberText(-2.5), "-2,5");
        EXPECT_EQ(numberText(1.0 / 3.0), "0,333333333333333");
        EXPECT_EQ(numberText(1.0f / 3.0f), "0,3333333");
    }
    {
        LocaleScope english(QLocale::English);
        EXPECT_EQ(numberText(1.05), "1.05");
        EXPECT_EQ(numberText(2.0), "2");
        EXPECT_EQ(numberText(0.0), "0");
        EXPECT_EQ(numberText(-0.0), "0");
        EXPECT_EQ(numberText(100), "100");
        EXPECT_EQ(numberText(12.0f), "12");
        EXPECT_EQ(numberText(0.1 + 0.2), "0.3");
        EXPECT_EQ(numberText(3.1415927f), "3.141593");
    }
}

} // namespace
