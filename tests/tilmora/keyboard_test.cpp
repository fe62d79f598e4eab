// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <tilmora/form1.h>

#include <support/testing.h>

#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(Keyboard, TabVisitsEveryControlInLayoutOrderAndArrowsMoveTheSliders)
{
    tilmora::form1 window;
    window.show();
    const std::vector<QWidget*> cycle = testing_support::tabCycle(&window);
    const std::vector<QWidget*> expected = {window.HScroll1, window.HScroll2, window.HScroll3, window.Text1,
                                            window.Command3, window.Command1, window.Command5, window.Command2,
                                            window.Command6, window.Command7};
    std::vector<QWidget*> controls;
    for (QWidget* w : cycle) {
        if (std::find(expected.begin(), expected.end(), w) != expected.end())
            controls.push_back(w);
    }
    EXPECT_EQ(controls, expected);

    window.HScroll1->setFocus();
    QTest::keyClick(window.HScroll1, Qt::Key_Right);
    EXPECT_EQ(window.HScroll1->value(), 31);
    EXPECT_EQ(window.wavelength, 31);
}

} // namespace
