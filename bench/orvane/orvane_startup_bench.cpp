// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// Orvane started as its main() starts it, for the start-up benchmark: the parent takes the time
// of the first painted window from a byte this process writes, then this process goes through
// the program's typical use for about two seconds and ends, leaving its peak memory behind.

#include <orvane/form1.h>
#include <orvane/form2.h>
#include <orvane/form3.h>
#include <orvane/program.h>

#include <platform/drawing/surface.h>
#include <platform/startup/application.h>

#include <support/first_paint.h>

#include <QApplication>
#include <QTimer>

namespace {

// The superposition window from the menu, its animation for 0.7 s, back to the menu, the
// Huygens–Fresnel window and the first second of a scan.
void typicalUse(orvane::Program& program)
{
    orvane::Form2& superposition = program.form2();
    program.form1().onCommand2Click();
    superposition.onCommand2Click();
    superposition.onCommand3Click();
    QTimer::singleShot(700, &superposition, [&superposition] { superposition.onCommand1Click(); });
    superposition.onCommand1Click();

    program.form1().onCommand1Click();
    bench::endAfter(1000);
    program.form3().onMouseDown(platform::RightButton, 0, 2000, 0);
}

} // namespace

int main(int argc, char** argv)
{
    platform::prepareApplication();
    QApplication app(argc, argv);
    platform::initialiseApplication();
    orvane::Program program;
    bench::onFirstPaint([&program] { typicalUse(program); });
    program.form1().show();
    return app.exec();
}
