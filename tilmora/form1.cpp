// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form1.h"

#include "colours.h"
#include "help_page.h"
#include "text_fit.h"
#include "wrapping_button.h"

#include <platform/loop/events.h>
#include <platform/widgets/layout.h>
#include <platform/widgets/layout_font.h>
#include <platform/widgets/numbers.h>

#include <cmath>
#include <utility>

namespace tilmora {
namespace {

// Labels stand on the black window in its white text, unless they are indicator lights.
platform::Label* windowLabel(const QString& caption, QWidget* parent, double pointSize)
{
    auto* label = new platform::Label(caption, parent);
    label->setFont(platform::layoutFont(pointSize));
    label->setBackColor(colours::black());
    label->setForeColor(colours::white());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    return label;
}

platform::Label* indicator(QWidget* parent, double top)
{
    auto* label = new platform::Label(QString(), parent);
    label->setBackColor(colours::off());
    platform::placeInUnits(label, 9720, top, 375, 255);
    return label;
}

platform::Button* button(const QString& caption, QWidget* parent, double top, double height)
{
    auto* command = new WrappingButton(caption, parent);
    platform::placeInUnits(command, 7320, top, 2295, height);
    return command;
}

} // namespace

form1::form1()
{
    setWindowTitle(tr("Interferenz zweier kohärenter Wellen -   Darstellung mit Phasenzeigern"));
    setLessonHelp(QStringLiteral("interferenz"), helpPage());
    setFont(platform::layoutFont(13.5));
    canvas().setBackColor(colours::black());
    canvas().setForeColor(colours::white());
    placeControls();

    connect(HScroll1, &platform::Slider::change, this, &form1::onHScroll1Change);
    connect(HScroll2, &platform::Slider::change, this, &form1::onHScroll2Change);
    connect(HScroll3, &platform::Slider::change, this, &form1::onHScroll3Change);
    connect(Command3, &platform::Button::click, this, &form1::onCommand3Click);
    connect(Command1, &platform::Button::click, this, &form1::onCommand1Click);
    connect(Command5, &platform::Button::click, this, &form1::onCommand5Click);
    connect(Command2, &platform::Button::click, this, &form1::onCommand2Click);
    connect(Command6, &platform::Button::click, this, &form1::onCommand6Click);
    connect(Command7, &platform::Button::click, this, &form1::onCommand7Click);
    connect(Picture1, &platform::Surface::mouseDown, this, &form1::onPicture1MouseDown);
    connect(Picture1, &platform::Surface::mouseMove, this, &form1::onPicture1MouseMove);
}

// The controls as laid out, in the window's twips: the window has no scale of its own yet.
void form1::placeControls()
{
    Label1 = windowLabel(tr("    Wellenlänge"), this, 18);
    platform::placeInUnits(Label1, 360, 480, 3255, 735);
    HScroll1 = new platform::Slider({.min = 15, .max = 40, .value = 30, .smallChange = 1, .largeChange = 1}, this);
    platform::placeInUnits(HScroll1, 360, 1320, 3255, 735);
    Label7 = windowLabel(tr(" 300 ....Nanometer....800"), this, 13.5);
    platform::placeInUnits(Label7, 360, 2160, 3255, 975);

    Label2 = windowLabel(tr("    Zeitdehnung"), this, 18);
    platform::placeInUnits(Label2, 3840, 480, 3255, 735);
    HScroll2 = new platform::Slider({.min = 1, .max = 1000, .value = 1, .smallChange = 1, .largeChange = 1}, this);
    platform::placeInUnits(HScroll2, 3840, 1320, 3255, 735);
    //: The exponents 14 and 17 are labels laid over the text right after its two "10"s: keep both 10s.
    Label4 = windowLabel(tr("ca.10  ........10    fach"), this, 18);
    platform::placeInUnits(Label4, 3840, 2160, 3255, 975);
    // The exponents are separate labels laid over the scale's text, behind its two "10"s.
    Label5 = windowLabel(QStringLiteral("14"), this, 9.75);
    platform::placeInUnits(Label5, 4680, 2160, 375, 255);
    Label6 = windowLabel(QStringLiteral("17"), this, 12);
    platform::placeInUnits(Label6, 6000, 2160, 255, 255);
    fitBasesToExponents(Label4, {Label5, Label6});

    HScroll3 = new platform::Slider({.min = 0, .max = 50, .value = 0, .smallChange = 1, .largeChange = 1}, this);
    platform::placeInUnits(HScroll3, 360, 3240, 3255, 855);
    Text1 = new platform::TextBox(QStringLiteral("0"), this);
    Text1->setBackColor(colours::valueBox());
    platform::placeInUnits(Text1, 3840, 3240, 3255, 855);
    Label3 = windowLabel(tr("Gangdifferenz in Wellenlänge bzw. Grad"), this, 18);
    platform::placeInUnits(Label3, 360, 4200, 6735, 735);
    fitOnOneLine(Label3);

    Command3 = button(tr("Start/Stopp"), this, 480, 615);
    Command1 = button(tr("Welle 2 on/off"), this, 1200, 615);
    Command5 = button(tr("Summe  on/off"), this, 1920, 615);
    Command2 = button(tr("Farbe     on/off"), this, 2640, 615);
    //: The blanks break the caption into two lines on the button.
    Command6 = button(tr("  Phasenzeiger        W1 und W2"), this, 3360, 735);
    //: The blanks break the caption into two lines on the button.
    Command7 = button(tr("  Phasenzeiger           Summe"), this, 4200, 735);
    Label10 = indicator(this, 480);
    Label11 = indicator(this, 1200);
    Label12 = indicator(this, 1920);
    Label13 = indicator(this, 2640);
    Label14 = indicator(this, 3360);
    Label8 = indicator(this, 4200);

    Text4 = new platform::TextBox(QString(), this);
    Text4->setBackColor(colours::black());
    Text4->setForeColor(colours::white());
    platform::placeInUnits(Text4, 10440, 240, 4575, 495);

    Picture2 = new platform::Surface(this);
    Picture2->canvas().setBackColor(colours::black());
    platform::placeInUnits(Picture2, 10560, 960, 4335, 4575);
    // Placed in Picture2's twips; its scale set at load moves neither of them.
    Text2 = new platform::TextBox(tr("             W1 oder W2\n"), Picture2, true);
    Text2->setForeColor(colours::waveSwatchCaption());
    platform::placeInUnits(Text2, 120, 0, 4095, 2175);
    Text2->hide();
    Text3 = new platform::TextBox(QStringLiteral("                  W1+W2\n"), Picture2, true);
    Text3->setForeColor(colours::sumSwatchCaption());
    platform::placeInUnits(Text3, 120, 2280, 4095, 2175);
    Text3->hide();

    Picture1 = new platform::Surface(this);
    Picture1->canvas().setBackColor(colours::black());
    Picture1->canvas().setForeColor(platform::buttonTextColour());
    platform::placeInUnits(Picture1, 120, 5640, 14415, 3015);

    // Screen readers name each control by the caption that names it on the screen.
    platform::nameAfter(Label1, {HScroll1});
    platform::nameAfter(Label2, {HScroll2});
    platform::nameAfter(Label3, {HScroll3, Text1});
    Text4->setAccessibleName(tr("Bildunterschrift"));
    Text2->setAccessibleName(tr("Farbreiz W1 oder W2"));
    Text3->setAccessibleName(tr("Farbreiz W1+W2"));
    Picture1->setAccessibleName(tr("Wellen"));
    Picture2->setAccessibleName(tr("Phasenzeiger"));
    const std::pair<platform::Label*, platform::Button*> indicators[] = {{Label10, Command3}, {Label11, Command1},
                                                                         {Label12, Command5}, {Label13, Command2},
                                                                         {Label14, Command6}, {Label8, Command7}};
    for (const auto& [light, button] : indicators)
        //: An indicator light, named after its button's caption (%1).
        light->setAccessibleName(tr("Anzeige %1").arg(button->text().simplified()));
}

void form1::onLoad()
{
    const QSizeF screen = platform::screenSizeTwips();
    setFramedSizeTwips(screen.width() * 0.99, screen.height() * 0.99);
    canvas().setScaleWidth(4000);
    canvas().setScaleHeight(3000);
    canvas().setScaleTop(0);
    canvas().setScaleLeft(0);
    moveTwips(1, 1);

    platform::placeInUnits(Picture1, 10, 1400, 3950, 1500);
    Picture1->canvas().setScaleWidth(3000);
    Picture1->canvas().setScaleHeight(1000);
    Picture1->canvas().setScaleTop(0);
    Picture1->canvas().setScaleLeft(-10);
    platform::placeInUnits(Picture2, 2800, 200, 1150, 1150);
    Picture2->canvas().setScaleWidth(300);
    Picture2->canvas().setScaleHeight(300);
    Picture2->canvas().setScaleTop(-150);
    Picture2->canvas().setScaleLeft(-150);

    piValue = 4 * std::atan(1.0f);
    amplitude = 100;
    pointCount = 100;
    selectedPoint = 50;
    pathDifference = 0;
    pointSpacing = 30;
    wavelength = 30;

    wavelengthColour();
    sumRed = 2 * baseRed;
    sumGreen = 2 * baseGreen;
    sumBlue = 2 * baseBlue;
    Text2->setBackColor(platform::rgb(baseRed, baseGreen, baseBlue));
    Text3->setBackColor(platform::rgb(sumRed, sumGreen, sumBlue));

    stretchFactor = 10;
    waveNumber = -2 * piValue / wavelength;
    phaseStep = 10.0f / wavelength;
    halted = 1;
    wave2Off = 1;
    sumOff = 1;
    phasorsOff = 1;
    phasorSumOff = 1;

    Text1->setText(tr("0 Wellenl. oder   0°"));

    for (std::int16_t i = 0; i <= pointCount - 1; ++i) {
        wave1X[i] = wave2X[i] = sumTraceX[i] = i * pointSpacing;
        wave1Y[i] = 6 * pointSpacing;
        wave2Y[i] = 14 * pointSpacing;
        sumTraceY[i] = 26 * pointSpacing;
    }
    Picture1->canvas().setDrawWidth(2);
}

// Closing is never cancelled, also not while the animation runs inside one of its yields.
void form1::onUnload()
{
    platform::end();
}

void form1::onHScroll1Change()
{
    wavelength = static_cast<std::int16_t>(HScroll1->value());
    waveNumber = -2 * piValue / wavelength;
    phaseStep = stretchFactor / wavelength;
    showPathDifference();
    recolourSwatches();
}

void form1::onHScroll2Change()
{
    stretchFactor = static_cast<float>(1001 - HScroll2->value()) / 100;
    timePhase = 0;
    phaseStep = stretchFactor / wavelength;
}

void form1::onHScroll3Change()
{
    pathDifference = static_cast<std::int16_t>(HScroll3->value());
    showPathDifference();
    waveNumber = -2 * piValue / wavelength;
    recolourSwatches();
}

// The path difference in wavelengths, rounded to two decimals, and in whole degrees.
void form1::showPathDifference()
{
    const std::int16_t degreesTimesWavelength = static_cast<std::int16_t>(pathDifference * 360);
    pathDegrees = static_cast<std::int16_t>(platform::intFloor(double(degreesTimesWavelength) / wavelength));
    const double inWavelengths = platform::intFloor(double(pathDifference) / wavelength * 100 + 0.5) / 100;
    Text1->setText(
        tr("%1 Wellenl. oder  %2°").arg(platform::numberText(inWavelengths), platform::numberText(int(pathDegrees))));
}

void form1::onCommand3Click()
{
    halted = static_cast<std::int16_t>(1 - halted);
    if (halted == 0) {
        Label10->setBackColor(colours::on());
        Text4->setText(wave2Off == 0 ? tr("        Wellen W1 und W2") : tr("                 Welle W1"));
    } else {
        Label10->setBackColor(colours::off());
        Text4->setText(QString());
    }
    markerX = static_cast<float>(pointSpacing * selectedPoint + 7);
    Picture1->canvas().setDrawWidth(2);
    drawMarker(colours::marker());
    wellen();
}

void form1::onCommand1Click()
{
    wave2Off = static_cast<std::int16_t>(1 - wave2Off);
    if (wave2Off == 0) {
        Label11->setBackColor(colours::on());
        Text4->setText(tr("          Wellen W1 und W2"));
        if (phasorsOff == 0)
            Text4->setText(tr("   Phasenzeiger von W1und W2"));
    } else {
        Label11->setBackColor(colours::off());
        Text4->setText(QString());
    }
}

void form1::onCommand5Click()
{
    sumOff = static_cast<std::int16_t>(1 - sumOff);
    if (sumOff == 0) {
        Label12->setBackColor(colours::on());
        Text4->setText(tr("      Wellen W1, W2 und W1+W2"));
    } else {
        Label12->setBackColor(colours::off());
        Text4->setText(QString());
    }
}

// The swatches and the two phasor displays share Picture2, so showing one switches the
// others off: only its light is on, the swatches are hidden unless they are the one shown.
void form1::showOnly(Display display)
{
    const auto light = [display](Display own) { return display == own ? colours::on() : colours::off(); };
    Label13->setBackColor(light(Display::Swatches));
    Label14->setBackColor(light(Display::Phasors));
    Label8->setBackColor(light(Display::PhasorSum));
    if (display != Display::Swatches) {
        Text2->hide();
        Text3->hide();
    }
    if (display != Display::Phasors)
        phasorsOff = 1;
    if (display != Display::PhasorSum)
        phasorSumOff = 1;
}

void form1::onCommand2Click()
{
    // The swatch's own visibility, whether or not the window is on the screen.
    Text2->setVisible(Text2->isHidden());
    if (!Text2->isHidden()) {
        Text3->show();
        Text4->setText(tr("          Farbreiz der Wellen"));
        showOnly(Display::Swatches);
        drawMarker(QColor());
    } else {
        Label13->setBackColor(colours::off());
        Text2->hide();
        Text3->hide();
        drawMarker(colours::marker());
        Text4->setText(QString());
    }
}

void form1::onCommand6Click()
{
    phasorsOff = static_cast<std::int16_t>(1 - phasorsOff);
    if (phasorsOff == 0) {
        showOnly(Display::Phasors);
        Text4->setText(wave2Off == 1 ? tr("       Phasenzeiger von W1") : tr("  Phasenzeiger von W1 und W2"));
    } else {
        Label14->setBackColor(colours::off());
        Text4->setText(QString());
    }
}

void form1::onCommand7Click()
{
    phasorSumOff = static_cast<std::int16_t>(1 - phasorSumOff);
    if (phasorSumOff == 0)
        showOnly(Display::PhasorSum);
    else
        Label8->setBackColor(colours::off());
}

} // namespace tilmora
