// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// Kestrup started as its main() starts it, for the start-up benchmark: the parent takes the time
// of the first painted window from a byte this process writes. Loading runs the animation and
// never returns, so the paint is noticed by an event filter; the animation runs on for about two
// seconds, the program's typical use, and the program ends, leaving its peak memory behind.

#include <kestrup/form1.h>

#include <platform/startup/application.h>

#include <support/first_paint.h>

#include <QApplication>

int main(int argc, char** argv)
{
    platform::prepareApplication();
    QApplication app(argc, argv);
    platform::initialiseApplication();
    kestrup::Form1 form;
    bench::onFirstPaint([] { bench::endAfter(2000); });
    form.show();
    return app.exec();
}
