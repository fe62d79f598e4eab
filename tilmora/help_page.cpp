// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "help_page.h"

#include <QCoreApplication>

// Free functions have no tr(): the pages are translated whole in a context of their own.
namespace tilmora {

QString helpPage()
{
    return QCoreApplication::translate(
        "tilmora::help",
        "<p>Zwei kohärente Wellen W1 und W2 und ihre Summe W1+W2 erscheinen als Balken; die "
        "Gangdifferenz zwischen ihnen entscheidet, ob sie sich verstärken oder auslöschen.</p>"
        "<ul><li><b>Start/Stopp</b> lässt die Wellen laufen und hält sie an; <b>Welle 2 on/off</b> "
        "und <b>Summe on/off</b> schalten W2 und die Summe zu.</li>"
        "<li><b>Phasenzeiger</b> zeigt die Zeiger von W1, W2 und ihrer Summe an der Spalte unter "
        "der Maus.</li>"
        "<li><b>Farbe on/off</b> zeigt den Farbreiz einer Wellenlänge zwischen 300 und 800 "
        "Nanometer und wie die Gangdifferenz die Farbe der Summe aufhellt oder "
        "abdunkelt.</li>"
        "<li>Die Schieberegler stellen <b>Wellenlänge</b>, <b>Zeitdehnung</b> und die "
        "<b>Gangdifferenz</b> in Wellenlängen bzw. Grad ein.</li></ul>");
}

} // namespace tilmora
