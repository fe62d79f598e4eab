// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form1.h"

#include <platform/startup/application.h>
#include <platform/startup/startup.h>

#include <QApplication>

namespace {
// Marked for lupdate only: the text is translated in context "main" once the application exists.
constexpr std::string_view help =
    QT_TRANSLATE_NOOP("main", R"(Kestrup zeigt zwei transversale Wellen, die erste um einen Gangunterschied verschoben,
und ihre Überlagerung, jede als Punkte, Zeiger und Linie. Mit allen drei „Zeiger“ zeigt
der Kasten oben rechts die Zeigersumme. „Halt/Weiter“ hält an und setzt fort, „Ende“ beendet.
)");
} // namespace

int main(int argc, char** argv)
{
    const auto app = platform::startApplication(argc, argv, "kestrup", WELLENLEHRE_VERSION, help);
    platform::initialiseApplication();
    kestrup::Form1 form;
    // Loading shows the window and runs the animation; this returns once it is halted.
    form.show();
    // The program ends only through "Ende" or the close box.
    return app->exec();
}
