// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form1.h"

#include <platform/application.h>

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::initialiseApplication();
    kestrup::Form1 form;
    // Loading shows the window and runs the animation; this returns once it is halted.
    form.show();
    // The program ends only through "Ende" or the close box.
    return app.exec();
}
