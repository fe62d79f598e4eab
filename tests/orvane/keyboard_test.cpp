// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <orvane/form1.h>
#include <orvane/form2.h>
#include <orvane/form3.h>
#include <orvane/program.h>

#include <support/testing.h>

#include <QTest>

#include <gtest/gtest.h>

namespace {

std::vector<QWidget*> reached(QWidget* window, const std::vector<QWidget*>& expected)
{
    std::vector<QWidget*> controls;
    for (QWidget* w : testing_support::tabCycle(window)) {
        if (std::find(expected.begin(), expected.end(), w) != expected.end())
            controls.push_back(w);
    }
    return controls;
}

TEST(Keyboard, TabVisitsEveryControlOfEachWindowInLayoutOrder)
{
    orvane::Program program;
    program.form1().show();
    const std::vector<QWidget*> menu = {program.form1().Command2, program.form1().Command1, program.form1().Command3};
    EXPECT_EQ(reached(&program.form1(), menu), menu);

    program.form1().onCommand2Click();
    orvane::Form2& form2 = program.form2();
    const std::vector<QWidget*> superposition = {form2.Command1, form2.Command2, form2.Command3,
                                                 form2.HScroll1, form2.HScroll2, form2.HScroll3,
                                                 form2.Command6, form2.Command5, form2.Command4};
    EXPECT_EQ(reached(&form2, superposition), superposition);
    form2.HScroll2->setFocus();
    QTest::keyClick(form2.HScroll2, Qt::Key_Right);
    EXPECT_EQ(form2.HScroll2->value(), 901);

    program.form1().onCommand1Click();
    orvane::Form3& form3 = program.form3();
    const std::vector<QWidget*> huygens = {form3.HScroll2, form3.HScroll3, form3.Command3};
    EXPECT_EQ(reached(&form3, huygens), huygens);
}

} // namespace
