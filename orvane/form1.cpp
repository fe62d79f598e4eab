// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form1.h"

#include "colours.h"
#include "form2.h"
#include "form3.h"
#include "help_pages.h"
#include "program.h"

#include <platform/loop/events.h>
#include <platform/widgets/layout.h>
#include <platform/widgets/layout_font.h>
#include <platform/widgets/numbers.h>

namespace orvane {
namespace {

platform::Label* descriptionLabel(const QString& text, QWidget* parent, double pointSize)
{
    auto* label = new platform::Label(text, parent);
    label->setFont(platform::layoutFont(pointSize));
    label->setBackColor(colours::menuYellow());
    return label;
}

} // namespace

Form1::Form1(Program& program) : m_program(program)
{
    setWindowTitle(tr("Huyghenssches Prinzip - Zeigerformalismus"));
    setLessonHelp(QStringLiteral("menu"), help::menu());
    setFont(platform::layoutFont(8.25));
    setSizeTwips(8625, 8340);
    canvas().setBackColor(colours::menuYellow());

    Label1 = descriptionLabel(tr("Huyghenssches Prinzip und  Zeigerformalismus."), this, 18);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    platform::placeInUnits(Label1, 1320, 120, 5775, 975);

    Command2 = new platform::Button(tr("Zeigerformalismus"), this);
    platform::placeInUnits(Command2, 600, 1200, 2295, 615);

    Label2 =
        descriptionLabel(tr("Das Programm erläutert den Begriff  des Phasenzeigers einer Sinuswelle. Seine Stellung "
                            "wird in Abhängigkeit von Zeit und Ort dargestellt. Mit Hilfe der Vektorsumme von "
                            "Phasenzeigern kann die Superposition von zwei gegen- einander verschobenen Wellen "
                            "berechnet werden."),
                         this, 12);
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::placeInUnits(Label2, 3000, 1200, 4935, 2535);

    Command1 = new platform::Button(tr("Huyghenssches Prinzip"), this);
    platform::placeInUnits(Command1, 480, 3960, 2295, 615);

    Label3 =
        descriptionLabel(tr("Das Programm zeigt, wie aus einer Schar von Elementarwellen und und ihren Einhüllenden  "
                            "das Momentbild eines Wellenfeldes entsteht.                        Durch Anwendung des "
                            "Zeigerformalismus auf die Elementarwellen und Summation der Phasenzeiger lassen sich "
                            "genauere Informationen über das  Wellenfeld gewinnen, z.B. Amplitudenspektren längs "
                            "eines vorgegebenen Schnittes."),
                         this, 12);
    Label3->setWordWrap(true);
    Label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::placeInUnits(Label3, 2880, 3960, 5175, 3375);

    Command3 = new platform::Button(tr("Ende"), this);
    platform::placeInUnits(Command3, 480, 7440, 2175, 615);

    connect(Command1, &platform::Button::click, this, &Form1::onCommand1Click);
    connect(Command2, &platform::Button::click, this, &Form1::onCommand2Click);
    connect(Command3, &platform::Button::click, this, &Form1::onCommand3Click);
}

void Form1::onLoad()
{
    moveTwips(1, 1);
}

void Form1::onCommand1Click()
{
    m_program.form3().show();
}

void Form1::onCommand2Click()
{
    m_program.form2().show();
    hide();
}

void Form1::onCommand3Click()
{
    m_program.unloadAll();
    platform::end();
}

void Form1::onUnload()
{
    m_program.unloadAll();
    platform::end();
}

} // namespace orvane
