// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <kestrup/form1.h>

#include <support/testing.h>

#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(Keyboard, TabVisitsEveryControlInLayoutOrderAndArrowsMoveTheSliders)
{
    kestrup::Form1 window;
    // Built and shown without its Load handler, which would run the animation.
    window.QWidget::setVisible(true);
    const std::vector<QWidget*> expected = {window.HScroll4, window.HScroll5, window.HScroll6, window.Check1,
                                            window.Check2,   window.Check7,   window.Check3,   window.Check4,
                                            window.Check8,   window.Check5,   window.Check6,   window.Check9,
                                            window.command1, window.Command2};
    std::vector<QWidget*> controls;
    for (QWidget* w : testing_support::tabCycle(&window)) {
        if (std::find(expected.begin(), expected.end(), w) != expected.end())
            controls.push_back(w);
    }
    EXPECT_EQ(controls, expected);

    window.HScroll4->setFocus();
    QTest::keyClick(window.HScroll4, Qt::Key_Right);
    EXPECT_EQ(window.HScroll4->value(), 10);
    EXPECT_FLOAT_EQ(window.phaseStep, 0.1f);
}

} // namespace
