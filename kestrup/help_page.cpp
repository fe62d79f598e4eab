// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "help_page.h"

#include <QCoreApplication>

// Free functions have no tr(): the pages are translated whole in a context of their own.
namespace kestrup {

QString helpPage()
{
    return QCoreApplication::translate(
        "kestrup::help",
        "<p>Zwei transversale Wellen laufen nach rechts, Welle1 um den Gangunterschied gegen Welle 2 "
        "verschoben, darunter ihre Überlagerung. Jede lässt sich als Punkte, als Phasenzeiger und "
        "als Linie zeigen.</p>"
        "<ul><li>Die Schieberegler stellen <b>Frequenz</b>, <b>Wellenlänge</b> und "
        "<b>Gangdifferenz</b> ein.</li>"
        "<li>Die Kästchen <b>Punkte</b>, <b>Zeiger</b> und <b>Linie</b> unter Welle1, Welle 2 und "
        "Überlagerung schalten die Darstellungen zu.</li>"
        "<li>Sind alle drei „Zeiger“ an, hängt das Feld oben rechts die beiden Zeiger am "
        "Messpunkt aneinander und zeigt die Resultierende; ein Mausklick darauf verbirgt oder zeigt "
        "die Zeigerkette.</li>"
        "<li><b>Halt/Weiter</b> hält die Wellen an und lässt sie weiterlaufen, <b>Ende</b> beendet "
        "das Programm.</li></ul>");
}

} // namespace kestrup
