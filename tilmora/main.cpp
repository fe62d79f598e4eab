// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form1.h"

#include <platform/startup/application.h>
#include <platform/startup/startup.h>

#include <QApplication>

namespace {
// Marked for lupdate only: the text is translated in context "main" once the application exists.
constexpr std::string_view help = QT_TRANSLATE_NOOP(
    "main", R"(Tilmora zeigt die Interferenz zweier kohärenter Wellen als Balken, die Phasenzeiger an der
Spalte unter der Maus und mit „Farbe“ die Farbe einer Wellenlänge zwischen 300 und 800 nm,
die der Gangunterschied in der Summe aufhellt oder abdunkelt.
)");
} // namespace

int main(int argc, char** argv)
{
    const auto app = platform::startApplication(argc, argv, "tilmora", WELLENLEHRE_VERSION, help);
    platform::initialiseApplication();
    tilmora::form1 window;
    window.show();
    return app->exec();
}
