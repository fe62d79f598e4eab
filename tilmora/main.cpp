// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form1.h"

#include <platform/application.h>

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::initialiseApplication();
    tilmora::form1 window;
    window.show();
    return app.exec();
}
