// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "help_pages.h"

#include <QCoreApplication>

// Free functions have no tr(): the pages are translated whole in a context of their own.
namespace orvane::help {

QString menu()
{
    return QCoreApplication::translate(
        "orvane::help",
        "<p>Das Startmenü öffnet zwei Simulationen zu Wellen und ihren Phasenzeigern (Zeigern, deren "
        "Länge die Amplitude und deren Winkel die Phase angibt).</p>"
        "<ul><li><b>Zeigerformalismus</b>: zwei Sinuswellen W1 und W2, ihre Summe und die Zeiger "
        "eines gewählten Punktes.</li>"
        "<li><b>Huyghenssches Prinzip</b>: Elementarwellen als Kreise, die Zeigerkette an einem "
        "Punkt des Feldes und die Amplitudenverteilung im Nahfeld.</li>"
        "<li><b>Ende</b> beendet das Programm.</li></ul>");
}

QString superposition()
{
    return QCoreApplication::translate(
        "orvane::help",
        "<p>Zwei Sinuswellen W1 und W2 gleicher Amplitude laufen als Reihen von Säulen nach rechts; "
        "W2 ist gegen W1 um die Phasenverschiebung versetzt, darunter läuft ihre Summe. Oben zeigt "
        "das Feld die Zeiger des gewählten Punktes (grüne Säule): nebeneinander als „Zeiger W1 und "
        "W2“ oder aneinandergehängt als „Vektorsumme W1+W2“.</p>"
        "<ul><li><b>Start W1/Menu</b> startet die Wellen; „Menu“ hält sie an und führt zum "
        "Startmenü zurück.</li>"
        "<li><b>Welle 2 on/off</b> und <b>Summe on/off</b> schalten W2 und die Summe zu.</li>"
        "<li>Die Schieberegler stellen <b>Wellenlänge</b>, <b>Geschwindigkeit</b> und "
        "<b>Phasenverschiebung</b> ein.</li>"
        "<li>Ein Mausklick auf die Wellen wählt den Punkt, dessen Zeiger oben stehen; mit "
        "gedrückter Taste lässt er sich ziehen. <b>&lt;----</b> und <b>----&gt;</b> wählen den "
        "Nachbarpunkt.</li>"
        "<li><b>Vektorsumme W1+W2</b> wechselt zwischen den einzelnen Zeigern und ihrer "
        "Summe.</li></ul>"
        "<p>Zum Erklären: P hält die Wellen an, N zeigt Bild für Bild, wie sich die Zeiger "
        "drehen, während die Säulen wandern.</p>");
}

QString huygens()
{
    return QCoreApplication::translate(
        "orvane::help",
        "<p>2N+1 kohärente Quellen auf der senkrechten Achse senden Elementarwellen aus, "
        "gezeichnet als Kreise im Abstand einer Wellenlänge; ihre Einhüllende ist die "
        "Wellenfront.</p>"
        "<ul><li>Die Schieberegler stellen die <b>Zahl der Elementarwellen</b> und die "
        "<b>Wellenlänge</b> ein; das Feld wird neu gezeichnet.</li>"
        "<li><b>Mausklick links</b> ins Feld: rote Linien zu den Quellen, im Feld „Zeiger und "
        "respektive Vektorsumme“ der Zeiger jeder Elementarwelle an diesem Punkt und ihre Kette "
        "mit der roten Resultierenden. Mit gedrückter Taste lässt sich der Punkt ziehen.</li>"
        "<li><b>Mausklick rechts</b> ins Feld: der senkrechte Schnitt durch den Punkt wird "
        "abgetastet; „Amplitudenverteilung“ zeigt die Amplitude im Nahfeld längs des "
        "Schnitts.</li>"
        "<li><b>Cls</b> räumt die Zeiger oder die Amplitudenverteilung ab, <b>Menu</b> führt "
        "zum Startmenü.</li></ul>"
        "<p>P hält eine laufende Abtastung am nächsten Punkt an, N tastet einen Punkt "
        "weiter.</p>");
}

} // namespace orvane::help
