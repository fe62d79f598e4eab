// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form2.h"

#include "colours.h"
#include "form1.h"
#include "help_pages.h"
#include "program.h"

#include <platform/widgets/layout.h>
#include <platform/widgets/layout_font.h>
#include <platform/widgets/numbers.h>

#include <cmath>

namespace orvane {
namespace {

platform::Label* columnLabel(const QString& caption, QWidget* parent, Qt::Alignment alignment)
{
    auto* label = new platform::Label(caption, parent);
    label->setBackColor(colours::windowGrey());
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

platform::TextBox* columnTextBox(const QString& text, QWidget* parent)
{
    auto* box = new platform::TextBox(text, parent);
    box->setBackColor(colours::windowGrey());
    return box;
}

} // namespace

Form2::Form2(Program& program) : m_program(program)
{
    setWindowTitle(tr("Superposition von Wellen - Phasenzeiger"));
    setLessonHelp(QStringLiteral("superposition"), help::superposition());
    setFont(platform::layoutFont(9.75));
    canvas().setBackColor(colours::windowGrey());

    // The left column in twips, placed while the window still measures itself in twips.
    Command1 = new platform::Button(tr("Start W1/Menu"), this);
    platform::placeInUnits(Command1, 240, 120, 1695, 495);
    Label5 = columnLabel(tr("off") + QString(37, QLatin1Char(' ')), this, Qt::AlignLeft);
    platform::placeInUnits(Label5, 2040, 240, 615, 255);
    Command2 = new platform::Button(tr("Welle 2 on/off"), this);
    platform::placeInUnits(Command2, 240, 720, 1695, 495);
    Label6 = columnLabel(tr("off"), this, Qt::AlignLeft);
    platform::placeInUnits(Label6, 2040, 840, 375, 255);
    Command3 = new platform::Button(tr("Summe on/off"), this);
    platform::placeInUnits(Command3, 240, 1320, 1695, 495);
    Label7 = columnLabel(tr("off"), this, Qt::AlignLeft);
    platform::placeInUnits(Label7, 2040, 1440, 375, 255);
    HScroll1 = new platform::Slider({.min = 15, .max = 42, .value = 28, .smallChange = 1, .largeChange = 1}, this);
    platform::placeInUnits(HScroll1, 240, 1920, 1695, 495);
    Text1 = columnTextBox(QStringLiteral("28"), this);
    platform::placeInUnits(Text1, 2040, 2040, 375, 285);
    label1 = columnLabel(tr("Wellenlänge"), this, Qt::AlignHCenter);
    platform::placeInUnits(label1, 240, 2520, 1815, 255);
    HScroll2 = new platform::Slider({.min = 800, .max = 1000, .value = 900, .smallChange = 1, .largeChange = 5}, this);
    platform::placeInUnits(HScroll2, 240, 2880, 1695, 495);
    Text3 = columnTextBox(QStringLiteral("1"), this);
    platform::placeInUnits(Text3, 2040, 3000, 495, 285);
    Label2 = columnLabel(tr("Geschwindigkeit"), this, Qt::AlignHCenter);
    platform::placeInUnits(Label2, 240, 3480, 1695, 375);
    HScroll3 = new platform::Slider({.min = 0, .max = 50, .value = 7, .smallChange = 1, .largeChange = 1}, this);
    platform::placeInUnits(HScroll3, 240, 3960, 1695, 495);
    Text2 = columnTextBox(QStringLiteral("7"), this);
    platform::placeInUnits(Text2, 2040, 4080, 375, 285);
    Label3 = columnLabel(tr("Phasenverschiebung"), this, Qt::AlignHCenter);
    platform::placeInUnits(Label3, 120, 4560, 1935, 375);

    // The surfaces are placed by the Load handler; what lies inside them gets its laid-out size
    // in twips now, before they have scales of their own.
    Picture1 = new platform::PictureBox(this);
    Label4 = new platform::Label(tr("Mausklick an einer Stelle der Wellen zeigt Vektorsumme "), Picture1);
    platform::placeInUnits(Label4, 120, 0, 5895, 375);

    Picture2 = new platform::PictureBox(this);
    Command6 = new platform::Button(QStringLiteral("<----"), Picture2);
    Command6->setFont(platform::layoutFont(12));
    platform::placeInUnits(Command6, 0, 0, 855, 375);
    Command5 = new platform::Button(QStringLiteral("---->"), Picture2);
    Command5->setFont(platform::layoutFont(12));
    platform::placeInUnits(Command5, 0, 0, 855, 375);
    Command4 = new platform::Button(tr("Vektorsumme W1+W2"), Picture2);
    platform::placeInUnits(Command4, 0, 0, 2775, 375);
    Label8 = new platform::Label(tr("Zeiger W1 und W2"), Picture2);
    Label8->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    platform::placeInUnits(Label8, 0, 0, 2655, 255);

    // Screen readers name sliders, value boxes and pictures by the captions that name them.
    platform::nameAfter(label1, {HScroll1, Text1});
    platform::nameAfter(Label2, {HScroll2, Text3});
    platform::nameAfter(Label3, {HScroll3, Text2});
    Picture1->setAccessibleName(tr("Wellen"));
    Picture2->setAccessibleName(tr("Phasenzeiger"));

    connect(Command1, &platform::Button::click, this, &Form2::onCommand1Click);
    connect(Command2, &platform::Button::click, this, &Form2::onCommand2Click);
    connect(Command3, &platform::Button::click, this, &Form2::onCommand3Click);
    connect(Command4, &platform::Button::click, this, &Form2::onCommand4Click);
    connect(HScroll1, &platform::Slider::change, this, &Form2::onHScroll1Change);
    connect(HScroll2, &platform::Slider::change, this, &Form2::onHScroll2Change);
    connect(HScroll3, &platform::Slider::change, this, &Form2::onHScroll3Change);
    connect(Picture1, &platform::Surface::mouseDown, this, &Form2::onPicture1MouseDown);
    connect(Picture1, &platform::Surface::mouseMove, this, &Form2::onPicture1MouseMove);
    connect(Command5, &platform::Button::mouseDown, this, &Form2::onCommand5MouseDown);
    connect(Command6, &platform::Button::click, this, &Form2::onCommand6Click);
}

void Form2::onLoad()
{
    const QSizeF screen = platform::screenSizeTwips();
    setFramedSizeTwips(screen.width() * 0.99, screen.height() * 0.99);
    platform::Canvas& window = canvas();
    window.setScaleWidth(3000);
    window.setScaleHeight(3000);
    window.setScaleTop(0);
    window.setScaleLeft(0);
    moveTwips(1, 1);

    platform::placeInUnits(Picture1, 10, 1350, 3950, 1500);
    platform::Canvas& waves = Picture1->canvas();
    waves.setScaleWidth(3000);
    waves.setScaleHeight(1000);
    waves.setScaleTop(0);
    waves.setScaleLeft(-10);

    platform::placeInUnits(Picture2, 1055, 50, 1020, 1303);
    platform::Canvas& panel = Picture2->canvas();
    panel.setScaleWidth(300);
    panel.setScaleHeight(280);
    panel.setScaleTop(-140);
    panel.setScaleLeft(-150);

    platform::setTopInUnits(Command6, -140);
    platform::setLeftInUnits(Command6, -150);
    platform::setTopInUnits(Command5, -140);
    platform::setLeftInUnits(Command5, 150 - platform::widthInUnits(Command5));
    platform::setTopInUnits(Command4, -140);
    platform::setLeftInUnits(Command4, -platform::widthInUnits(Command4) / 2);
    platform::setTopInUnits(Label8, 140 - platform::heightInUnits(Label8));
    platform::setLeftInUnits(Label8, -platform::widthInUnits(Label8) / 2);

    piValue = static_cast<float>(4 * std::atan(1.0));
    vectorSumMode = 0;
    pointIndex = 0;
    pointSpacing = 30;
    amplitude = 100;
    pointCount = 100;
    waveNumber = piValue * -2.0 / 28;
    selectedPoint = 50;
    wavelength = 28;
    phaseShift = 7;
    speed = 1.0F;
    phaseStep = 1.0F / 28;
    halted = 1;
    wave2Off = 1;
    sumOff = 1;
    singlePhasorMode = 1;

    for (pointIndex = 0; pointIndex <= 99; ++pointIndex) {
        const auto x = static_cast<std::int16_t>(pointSpacing * pointIndex);
        wave1X[pointIndex] = x;
        wave2X[pointIndex] = x;
        sumTraceX[pointIndex] = x;
        wave1Y[pointIndex] = static_cast<std::int16_t>(6 * pointSpacing);
        wave2Y[pointIndex] = static_cast<std::int16_t>(14 * pointSpacing);
        sumTraceY[pointIndex] = static_cast<std::int16_t>(26 * pointSpacing);
    }
}

// Closing this window closes the program: the start menu's unload ends it.
void Form2::onUnload()
{
    m_program.unloadAll();
}

void Form2::onCommand1Click()
{
    halted = static_cast<std::int16_t>(1 - halted);
    if (halted == 0) {
        Label5->setText(tr("W1 on"));
        Command1->setText(tr("Menu"));
        animateWaves();
    } else {
        Label5->setText(tr("off"));
        halted = 1;
        Command1->setText(tr("Start/W1"));
        hide();
        m_program.form1().show();
    }
}

void Form2::onCommand2Click()
{
    wave2Off = static_cast<std::int16_t>(1 - wave2Off);
    Label6->setText(wave2Off == 0 ? tr("on") : tr("off"));
}

void Form2::onCommand3Click()
{
    sumOff = static_cast<std::int16_t>(1 - sumOff);
    Label7->setText(sumOff == 0 ? tr("on") : tr("off"));
}

void Form2::onCommand4Click()
{
    vectorSumMode = static_cast<std::int16_t>(1 - vectorSumMode);
    if (vectorSumMode == 1) {
        singlePhasorMode = 0;
        Label8->setText(tr("Vektorsumme W1 + W2"));
        Command4->setText(tr("Zeiger W1 und W2"));
    } else {
        Label8->setText(tr("Zeiger W1 und W2"));
        Command4->setText(tr("Vektorsumme W1 + W2"));
        singlePhasorMode = 1;
    }
}

void Form2::onHScroll1Change()
{
    wavelength = static_cast<std::int16_t>(HScroll1->value());
    Text1->setText(platform::numberText(int(wavelength)));
    waveNumber = piValue * -2.0 / wavelength;
    phaseStep = speed / wavelength;
    if (halted == 1) {
        redrawHalted();
        Picture2->canvas().cls();
    }
}

void Form2::onHScroll2Change()
{
    speed = static_cast<float>(2 - (1000 - HScroll2->value()) / 100.0);
    Text3->setText(platform::numberText(platform::intFloor(speed * 100.0F + 0.5) / 100));
    timePhase = 0;
    phaseStep = speed / wavelength;
}

void Form2::onHScroll3Change()
{
    phaseShift = static_cast<std::int16_t>(HScroll3->value());
    Text2->setText(platform::numberText(int(phaseShift)));
    waveNumber = piValue * -2.0 / wavelength;
    if (halted == 1) {
        redrawHalted();
        Picture2->canvas().cls();
    }
}

} // namespace orvane
