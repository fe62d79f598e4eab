// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form1.h"
#include "program.h"

#include <platform/startup/application.h>
#include <platform/startup/startup.h>

#include <QApplication>

namespace {
// Marked for lupdate only: the text is translated in context "main" once the application exists.
constexpr std::string_view help =
    QT_TRANSLATE_NOOP("main", R"(Orvane zeigt Wellen und ihre Phasenzeiger. Das Startmenü öffnet zwei Simulationen:
den Zeigerformalismus (zwei Sinuswellen, ihre Summe und die Zeiger eines gewählten Punktes)
und das Huyghenssche Prinzip (Elementarwellen, ihre Einhüllende, die Amplitude im Nahfeld).
Im Zeigerformalismus drücken Leertaste und Eingabe auch „---->“, wenn es den Fokus hat.
)");
} // namespace

int main(int argc, char** argv)
{
    const auto app = platform::startApplication(argc, argv, "orvane", WELLENLEHRE_VERSION, help);
    platform::initialiseApplication();
    orvane::Program program;
    program.form1().show();
    return app->exec();
}
