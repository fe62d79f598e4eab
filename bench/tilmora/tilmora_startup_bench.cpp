// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// Tilmora started as its main() starts it, for the start-up benchmark: the parent takes the time
// of the first painted window from a byte this process writes, then "Start/Stopp" runs the
// animation for about two seconds, the program's typical use, and the program ends, leaving its
// peak memory behind.

#include <tilmora/form1.h>

#include <platform/startup/application.h>

#include <support/first_paint.h>

#include <QApplication>

int main(int argc, char** argv)
{
    platform::prepareApplication();
    QApplication app(argc, argv);
    platform::initialiseApplication();
    tilmora::form1 window;
    bench::onFirstPaint([&window] {
        bench::endAfter(2000);
        window.onCommand3Click();
    });
    window.show();
    return app.exec();
}
