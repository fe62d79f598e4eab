// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form1.h"

#include "colours.h"
#include "help_page.h"

#include <platform/loop/events.h>
#include <platform/widgets/layout.h>
#include <platform/widgets/layout_font.h>
#include <platform/widgets/numbers.h>

#include <cmath>

namespace kestrup {
namespace {

// Frames, check boxes and the parameter labels sit on grey, as laid out.
void fillGrey(QWidget* widget)
{
    platform::setBackColor(widget, colours::panelGrey());
}

platform::Label* parameterLabel(const QString& caption, QWidget* frame, double left, double top, double width,
                                double height)
{
    auto* label = new platform::Label(caption, frame);
    label->setBackColor(colours::panelGrey());
    platform::placeInUnits(label, left, top, width, height);
    return label;
}

platform::TextBox* valueBox(const QString& text, QWidget* frame, double top)
{
    auto* box = new platform::TextBox(text, frame);
    box->setBackColor(colours::panelGrey());
    platform::placeInUnits(box, 1560, top, 495, 285);
    return box;
}

platform::CheckBox* switchBox(const QString& caption, QWidget* frame, double top, double width, double height)
{
    auto* box = new platform::CheckBox(caption, frame);
    fillGrey(box);
    platform::placeInUnits(box, 120, top, width, height);
    return box;
}

platform::Frame* switchFrame(const QString& caption, QWidget* window, double left, double width)
{
    auto* frame = new platform::Frame(caption, window);
    fillGrey(frame);
    platform::placeInUnits(frame, left, 360, width, 1455);
    return frame;
}

} // namespace

Form1::Form1(QWidget* parent) : platform::Form(parent)
{
    setWindowTitle(tr("Zeigerdarstellung für zwei Wellen"));
    setLessonHelp(QStringLiteral("zwei-wellen"), helpPage());
    setFont(platform::layoutFont(8.25));
    canvas().setBackColor(platform::windowBackgroundColour());
    canvas().setForeColor(platform::windowTextColour());

    // Laid out in twips; Load moves the frames, buttons and boxes into the window's own units.
    createParameterFrame();
    createSwitchFrames();
    command1 = new platform::Button(tr("Halt/Weiter"), this);
    platform::placeInUnits(command1, 2760, 1800, 2295, 615);
    Command2 = new platform::Button(tr("Ende"), this);
    platform::placeInUnits(Command2, 5040, 1800, 2175, 615);
    Text4 = new platform::TextBox(QStringLiteral("Text4"), this);
    platform::placeInUnits(Text4, 1080, 3360, 855, 615);
    Text4->setAccessibleName(tr("Gangdifferenz ds"));
    createChainBox();

    connect(command1, &platform::Button::click, this, &Form1::onCommand1Click);
    connect(Command2, &platform::Button::click, this, &Form1::onCommand2Click);
    connect(HScroll4, &platform::Slider::change, this, &Form1::onHScroll4Change);
    connect(HScroll5, &platform::Slider::change, this, &Form1::onHScroll5Change);
    connect(HScroll6, &platform::Slider::change, this, &Form1::onHScroll6Change);
    connect(Check1, &platform::CheckBox::click, this, &Form1::onCheck1Click);
    connect(Check2, &platform::CheckBox::click, this, &Form1::onCheck2Click);
    connect(Check3, &platform::CheckBox::click, this, &Form1::onCheck3Click);
    connect(Check4, &platform::CheckBox::click, this, &Form1::onCheck4Click);
    connect(Check5, &platform::CheckBox::click, this, &Form1::onCheck5Click);
    connect(Check6, &platform::CheckBox::click, this, &Form1::onCheck6Click);
    connect(Check7, &platform::CheckBox::click, this, &Form1::onCheck7Click);
    connect(Check8, &platform::CheckBox::click, this, &Form1::onCheck8Click);
    connect(Check9, &platform::CheckBox::click, this, &Form1::onCheck9Click);
    connect(Picture1, &platform::Surface::click, this, &Form1::onPicture1Click);
}

void Form1::createParameterFrame()
{
    Frame4 = new platform::Frame(tr("Parameter"), this);
    fillGrey(Frame4);
    platform::placeInUnits(Frame4, 0, 0, 2775, 2415);
    Frame4->setFont(platform::layoutFont(12));
    Label4 = parameterLabel(tr("Frequenz"), Frame4, 360, 360, 1335, 255);
    HScroll4 = new platform::Slider({.min = 1, .max = 20, .value = 9, .smallChange = 1, .largeChange = 1}, Frame4);
    platform::placeInUnits(HScroll4, 240, 600, 1215, 255);
    Text1 = valueBox(QStringLiteral("Text1"), Frame4, 600);
    Label5 = parameterLabel(tr("Wellenlänge"), Frame4, 360, 960, 1095, 255);
    HScroll5 = new platform::Slider({.min = 5, .max = 20, .value = 10, .smallChange = 1, .largeChange = 1}, Frame4);
    platform::placeInUnits(HScroll5, 240, 1200, 1215, 255);
    Text2 = valueBox(QStringLiteral("Text2"), Frame4, 1200);
    Label6 = parameterLabel(tr("Gangdifferenz"), Frame4, 360, 1560, 1455, 255);
    HScroll6 = new platform::Slider({.min = 0, .max = 12, .value = 0, .smallChange = 1, .largeChange = 1}, Frame4);
    platform::placeInUnits(HScroll6, 240, 1800, 1215, 255);
    Text3 = valueBox(QStringLiteral("Text3"), Frame4, 1800);
    // Screen readers name sliders and value boxes by the caption above them.
    platform::nameAfter(Label4, {HScroll4, Text1});
    platform::nameAfter(Label5, {HScroll5, Text2});
    platform::nameAfter(Label6, {HScroll6, Text3});
    // Only the caption is large; what the frame holds keeps the window's font.
    for (QWidget* child : Frame4->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        child->setFont(platform::layoutFont(8.25));
}

void Form1::createSwitchFrames()
{
    Frame5 = new platform::Frame(tr("Darstellung"), this);
    fillGrey(Frame5);
    platform::placeInUnits(Frame5, 2760, 0, 4455, 375);
    Frame5->setFont(platform::layoutFont(12));

    Frame1 = switchFrame(tr("Welle1"), this, 2760, 1455);
    Check1 = switchBox(tr("Punkte"), Frame1, 240, 1575, 375);
    Check2 = switchBox(tr("Zeiger"), Frame1, 480, 1575, 375);
    Check7 = switchBox(tr("Linie"), Frame1, 840, 855, 255);
    Check7->setChecked(true);

    Frame2 = switchFrame(tr("Welle 2"), this, 4200, 1455);
    Check3 = switchBox(tr("Punkte"), Frame2, 240, 975, 375);
    Check4 = switchBox(tr("Zeiger"), Frame2, 480, 1335, 375);
    Check8 = switchBox(tr("Linie"), Frame2, 840, 855, 255);

    Frame3 = switchFrame(tr("Überlagerung"), this, 5640, 1575);
    Check5 = switchBox(tr("Punkte"), Frame3, 240, 1695, 375);
    Check6 = switchBox(tr("Zeiger"), Frame3, 480, 1335, 315);
    Check9 = switchBox(tr("Linie"), Frame3, 840, 735, 255);
}

void Form1::createChainBox()
{
    Picture1 = new platform::PictureBox(this);
    Picture1->setAccessibleName(tr("Zeigerkette"));
    platform::placeInUnits(Picture1, 7200, 0, 6135, 3855);
    Picture1->setVisible(false);

    // Placed while the box still measures itself in twips.
    Label1 = new platform::Label(QStringLiteral("+"), Picture1);
    Label1->setFont(platform::layoutFont(24));
    platform::placeInUnits(Label1, 2040, 120, 495, 375);
    Label7 = new platform::Label(QStringLiteral("="), Picture1);
    Label7->setFont(platform::layoutFont(24));
    platform::placeInUnits(Label7, 4680, 120, 495, 375);
    Label2 = new platform::Label(tr("Mausklick verbirgt die Zeigerkette"), Picture1);
    platform::placeInUnits(Label2, 120, 3240, 3975, 375);
    Label3 = new platform::Label(tr("Mausklick zeigt die Zeigerkette"), Picture1);
    platform::placeInUnits(Label3, 120, 2760, 3135, 375);
}

void Form1::onLoad()
{
    const QSizeF screen = platform::screenSizeTwips();
    setFramedSizeTwips(screen.width() * 0.96, screen.height() * 0.96);
    platform::Canvas& form = canvas();
    form.setScaleWidth(4000);
    form.setScaleHeight(2925);
    form.setScaleTop(-1500);
    form.setScaleLeft(-100);
    placeControls();
    moveTwips(1, 1);

    piValue = 4 * std::atan(1.0);
    lastPoint = 25;
    amplitude = 60;
    spacing = 150;
    Text1->setText(QStringLiteral("9"));
    wavelength = 10;
    waveNumber = (-2 * piValue) / wavelength;
    Text2->setText(QStringLiteral("10"));
    phaseStep = 0.09f;
    pathDifference = 0;
    Text3->setText(platform::numberText(pathDifference));
    halted = 0;
    showPoints1 = 0;
    showLine1 = 1;

    show();
    markRestPositions();
    form.setDrawWidth(1);
    // The reference tick goes into the persistent layer, so that every later clearing keeps it.
    form.setAutoRedraw(true);
    form.line(restX2[0], -200, restX2[0], -400);
    form.setAutoRedraw(false);
    placeMarkerLabel();
    form.line(restX1[0], -300, restX2[0], -300);

    constexpr int measuringPoint = 19;
    platform::placeInUnits(Picture1, restX2[measuringPoint] - 1000, -1450, 2000, 1000);
    platform::Canvas& box = Picture1->canvas();
    box.setScaleWidth(600);
    box.setScaleHeight(300);
    box.setScaleLeft(-300);
    box.setScaleTop(-150);
    platform::setLeftInUnits(Label2, -280);
    platform::setTopInUnits(Label2, 120);
    platform::setLeftInUnits(Label3, -280);
    platform::setTopInUnits(Label3, 120);
    Label3->setVisible(false);

    animateWaves();
}

// Each value is read back from the control placed before it, as the layout chains them.
void Form1::placeControls()
{
    namespace p = platform;
    p::placeInUnits(Frame4, -100, -1500, 700, 800);
    p::placeInUnits(Frame5, p::widthInUnits(Frame4) + p::leftInUnits(Frame4), -1500, 1200, 200);
    p::placeInUnits(Frame1, p::leftInUnits(Frame5), p::heightInUnits(Frame5) + p::topInUnits(Frame5), 350, 400);
    p::placeInUnits(Frame2, p::widthInUnits(Frame1) + p::leftInUnits(Frame1), p::topInUnits(Frame1),
                    p::widthInUnits(Frame1), p::heightInUnits(Frame1));
    p::placeInUnits(Frame3, p::widthInUnits(Frame2) + p::leftInUnits(Frame2), p::topInUnits(Frame2),
                    p::widthInUnits(Frame2) + 150, p::heightInUnits(Frame2));
    p::placeInUnits(command1, p::leftInUnits(Frame1), p::heightInUnits(Frame1) + p::topInUnits(Frame1), 600, 190);
    p::placeInUnits(Command2, p::widthInUnits(command1) + p::leftInUnits(command1), p::topInUnits(command1), 600, 190);
}

// The 78 marks of the rest positions are ordinary drawing: the first clearing removes them.
void Form1::markRestPositions()
{
    platform::Canvas& form = canvas();
    form.setDrawWidth(5);
    for (int i = 0; i <= lastPoint; ++i) {
        restX1[i] = spacing * i + spacing * pathDifference;
        restY1[i] = 0;
        form.pset(restX1[i], restY1[i]);
        restX2[i] = spacing * i;
        restY2[i] = 2 * spacing;
        form.pset(restX2[i], restY2[i]);
        restXSum[i] = spacing * i;
        restYSum[i] = static_cast<float>(5 * spacing);
        form.pset(restXSum[i], restYSum[i]);
    }
}

void Form1::placeMarkerLabel()
{
    platform::setHeightInUnits(Text4, 100);
    platform::setLeftInUnits(Text4, restX1[0]);
    platform::setTopInUnits(Text4, -350);
    Text4->setText(tr(" ds = %1").arg(platform::numberText(pathDifference)));
}

// The moving tick marks where wave 1 starts; the reference tick at x = 0 stands in the
// persistent layer.
void Form1::drawMarker()
{
    platform::Canvas& form = canvas();
    form.line(restX1[0], -300, restX2[0], -300);
    form.line(restX1[0], -200, restX1[0], -400);
}

void Form1::onUnload()
{
    platform::end();
}

void Form1::onCommand2Click()
{
    platform::end();
}

void Form1::onCommand1Click()
{
    halted = static_cast<std::int16_t>(1 - halted);
    if (halted == 0)
        animateWaves();
}

void Form1::onHScroll4Change()
{
    phaseStep = static_cast<float>(HScroll4->value() / 100.0);
    Text1->setText(platform::numberText(HScroll4->value()));
}

void Form1::onHScroll5Change()
{
    wavelength = static_cast<std::int16_t>(HScroll5->value());
    waveNumber = (-2 * piValue) / wavelength;
    Text2->setText(platform::numberText(int{wavelength}));
    halted = 0;
    canvas().cls();
    drawMarker();
}

void Form1::onHScroll6Change()
{
    pathDifference = static_cast<float>(HScroll6->value());
    Text3->setText(platform::numberText(pathDifference));
    for (pointIndex = 0; pointIndex <= lastPoint; pointIndex += 1) {
        const int i = static_cast<int>(pointIndex);
        restX1[i] = spacing * i + spacing * pathDifference;
    }
    canvas().cls();
    placeMarkerLabel();
    drawMarker();
    Picture1->canvas().cls();
    phase = 0;
    halted = 0;
}

// A switch is toggled as 1 − value; the window is cleared, since an element switched off is no
// longer erased by the frames.
void Form1::toggleSwitch(std::int16_t& value, bool clearsChainBox)
{
    value = static_cast<std::int16_t>(1 - value);
    canvas().cls();
    drawMarker();
    if (clearsChainBox)
        Picture1->canvas().cls();
}

void Form1::onCheck1Click()
{
    toggleSwitch(showPoints1, true);
}

void Form1::onCheck2Click()
{
    toggleSwitch(showPhasor1, true);
}

void Form1::onCheck3Click()
{
    toggleSwitch(showPoints2, true);
}

void Form1::onCheck4Click()
{
    toggleSwitch(showPhasor2, true);
}

void Form1::onCheck5Click()
{
    toggleSwitch(showPointsSum, true);
}

void Form1::onCheck6Click()
{
    toggleSwitch(showPhasorSum, true);
}

void Form1::onCheck7Click()
{
    toggleSwitch(showLine1, false);
}

void Form1::onCheck8Click()
{
    toggleSwitch(showLine2, false);
}

void Form1::onCheck9Click()
{
    toggleSwitch(showLineSum, false);
}

} // namespace kestrup
