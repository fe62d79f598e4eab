// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form3.h"

#include "form1.h"
#include "help_pages.h"
#include "program.h"

#include <platform/loop/events.h>
#include <platform/widgets/layout.h>
#include <platform/widgets/layout_font.h>
#include <platform/widgets/numbers.h>

#include <cmath>

namespace orvane {
namespace {

platform::Label* captionLabel(const QString& caption, QWidget* parent)
{
    auto* label = new platform::Label(caption, parent);
    label->setFont(platform::layoutFont(9.75));
    return label;
}

} // namespace

Form3::Form3(Program& program) : m_program(program)
{
    setWindowTitle(tr(" Huygen-Fresnel Prinzip und Zeigerdarstellung"));
    setLessonHelp(QStringLiteral("huygens"), help::huygens());
    setResizable(true);
    setFont(platform::layoutFont(8.25));
    canvas().setForeColor(platform::windowTextColour());
    canvas().setBackColor(platform::windowBackgroundColour());

    HScroll2 = new platform::Slider({.min = 1, .max = 6, .value = 3, .smallChange = 1, .largeChange = 5}, this);
    platform::placeInUnits(HScroll2, 0, 0, 1335, 375);
    Text2 = new platform::TextBox(QStringLiteral("Text2"), this);
    platform::placeInUnits(Text2, 1320, 0, 375, 375);
    HScroll3 = new platform::Slider({.min = 60, .max = 200, .value = 100, .smallChange = 10, .largeChange = 10}, this);
    platform::placeInUnits(HScroll3, 1800, 0, 1335, 375);
    Text3 = new platform::TextBox(QStringLiteral("Text3"), this);
    platform::placeInUnits(Text3, 3120, 0, 375, 375);
    Command3 = new platform::Button(tr("Menu"), this);
    platform::placeInUnits(Command3, 3600, 0, 1215, 375);

    Label1 = captionLabel(tr("Zahl der Elementarwellen"), this);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setWordWrap(true);
    platform::placeInUnits(Label1, 0, 360, 1695, 735);
    Label2 = captionLabel(tr("Wellenlänge"), this);
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    platform::placeInUnits(Label2, 1800, 360, 1695, 375);
    Label5 = captionLabel(tr("Im Wellenfeld Mausklick links: Zeiger (einzel) und Vektorsumme"), this);
    Label5->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::placeInUnits(Label5, 4920, 0, 8055, 255);
    Frame1 =
        new platform::Frame(tr("Im Wellenfeld Mausklick rechts:Berechnung der Amplitutenverteilung (Nahfeld)"), this);
    // Opaque like the labels, so that the field's circles do not run through the caption.
    Frame1->setAutoFillBackground(true);
    platform::placeInUnits(Frame1, 4800, 240, 7935, 255);

    Picture3 = new platform::PictureBox(this);
    Picture3->setBorder(false);
    platform::placeInUnits(Picture3, 3960, 840, 4455, 3615);
    Label3 = captionLabel(tr("Zeiger und respektive Vektorsumme"), Picture3);
    Label3->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label3->setWordWrap(true);
    platform::placeInUnits(Label3, 120, 0, 4215, 735);
    Command2 = new platform::Button(tr("Cls"), Picture3);
    platform::placeInUnits(Command2, 3360, 3240, 495, 375);
    Picture3->hide();

    Picture1 = new platform::PictureBox(this);
    platform::placeInUnits(Picture1, 120, 7800, 6975, 2895);
    Command1 = new platform::Button(tr("Cls"), Picture1);
    platform::placeInUnits(Command1, 0, 0, 855, 375);
    Label4 = captionLabel(tr("Amplitudenverteilung"), Picture1);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    platform::placeInUnits(Label4, 2160, 0, 2895, 375);
    // The plot's own scale, set after its controls are placed in its twips.
    platform::Canvas& plot = Picture1->canvas();
    plot.setScaleLeft(-3000);
    plot.setScaleTop(0);
    plot.setScaleWidth(6000);
    plot.setScaleHeight(800);
    Picture1->hide();

    // Screen readers name sliders, value boxes and pictures by the captions that name them.
    platform::nameAfter(Label1, {HScroll2, Text2});
    platform::nameAfter(Label2, {HScroll3, Text3});
    platform::nameAfter(Label4, {Picture1});
    Picture3->setAccessibleName(tr("Phasenzeiger"));

    connect(HScroll2, &platform::Slider::change, this, &Form3::onHScroll2Change);
    connect(HScroll3, &platform::Slider::change, this, &Form3::onHScroll3Change);
    connect(Command1, &platform::Button::click, this, &Form3::onCommand1Click);
    connect(Command2, &platform::Button::click, this, &Form3::onCommand2Click);
    connect(Command3, &platform::Button::click, this, &Form3::onCommand3Click);
    connect(Picture1, &platform::Surface::click, this, &Form3::onPicture1Click);
    connect(this, &platform::Surface::mouseDown, this, &Form3::onMouseDown);
    connect(this, &platform::Surface::mouseMove, this, &Form3::onMouseMove);
    connect(this, &platform::Surface::mouseUp, this, &Form3::onMouseUp);
}

void Form3::onLoad()
{
    const QSizeF screen = platform::screenSizeTwips();
    setFramedSizeTwips(screen.width(), screen.height());

    canvas().setScaleWidth(4000);
    canvas().setScaleHeight(2925);
    canvas().setScaleTop(-1500);
    canvas().setScaleLeft(-300);

    sizePhasorPanel();

    moveTwips(1, 1);

    pi = 4 * std::atan(1.0);
    loading = 1;
    halfcount = 3;
    wavelength = 100;
    spacing = 50;
    placeSources();
    Text3->setText(platform::numberText(wavelength));
    Text2->setText(platform::numberText(1 + 2 * halfcount));

    canvas().setAutoRedraw(true);
    drawField();
    canvas().setAutoRedraw(false);
    loading = 0;
}

// The panel's size is given in the field's units, so it follows the window's size.
void Form3::sizePhasorPanel()
{
    platform::setWidthInUnits(Picture3, 1100);
    platform::setHeightInUnits(Picture3, 1000);
    platform::Canvas& panel = Picture3->canvas();
    panel.setScaleWidth(platform::widthInUnits(Picture3));
    panel.setScaleHeight(-platform::heightInUnits(Picture3));
    panel.setScaleLeft(-600);
    panel.setScaleTop(500);
}

// The field fills the window: after a new size it is drawn anew in the new mapping, as a slider
// redraws it, so that the red lines still end on the sources.
void Form3::onResize()
{
    sizePhasorPanel();
    redrawField();
    Picture3->hide();
}

void Form3::onHScroll2Change()
{
    halfcount = static_cast<std::int16_t>(HScroll2->value());
    Text2->setText(platform::numberText(2 * halfcount + 1));
    placeSources();
    redrawField();
    Picture3->hide();
}

void Form3::onHScroll3Change()
{
    wavelength = static_cast<std::int16_t>(HScroll3->value());
    Text3->setText(platform::numberText(wavelength));
    redrawField();
    Picture3->hide();
}

void Form3::onCommand3Click()
{
    hide();
    m_program.form1().show();
}

void Form3::onCommand1Click()
{
    canvas().cls();
    Picture1->hide();
}

void Form3::onCommand2Click()
{
    Picture3->hide();
}

void Form3::onPicture1Click()
{
    Picture1->hide();
}

void Form3::onMouseDown(int button, int /*shift*/, double x, double y)
{
    if (button == platform::LeftButton) {
        Picture3->show();
        movePanel(x, y);
        drawLinesToSources(x, y);
        computePhases(x, y);
        drawPhasorChain();
        closePhasorChain();
        drawSinglePhasors();
    }
    if (button == platform::RightButton)
        scanAmplitude(x);
}

void Form3::onMouseMove(int button, int /*shift*/, double x, double y)
{
    // Only the left button alone drags the point; any move redraws the single phasors.
    if (button == platform::LeftButton) {
        movePanel(x, y);
        canvas().cls();
        drawLinesToSources(x, y);
        computePhases(x, y);
        drawPhasorChain();
        closePhasorChain();
    }
    drawSinglePhasors();
}

void Form3::onMouseUp(int /*button*/, int /*shift*/, double /*x*/, double /*y*/)
{
    canvas().cls();
}

void Form3::onUnload()
{
    m_program.unloadAll();
    platform::end();
}

} // namespace orvane
