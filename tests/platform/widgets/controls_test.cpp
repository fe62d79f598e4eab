// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <platform/drawing/surface.h>
#include <platform/widgets/controls.h>
#include <platform/widgets/layout.h>

#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using namespace platform;

struct Press {
    int button;
    double x;
    double y;
};

// A surface of 300 × 200 pixels with user units 0..3000 × 0..1000 and a log of its mouse events.
class MouseSurface : public Surface {
public:
    MouseSurface()
    {
        resize(300, 200);
        canvas().setScaleWidth(3000);
        canvas().setScaleHeight(1000);
        connect(this, &Surface::mouseDown, this, [this](int b, int, double x, double y) {
            downs.push_back({b, x, y});
        });
        connect(this, &Surface::mouseMove, this, [this](int b, int, double x, double y) {
            moves.push_back({b, x, y});
        });
        connect(this, &Surface::mouseUp, this, [this](int b, int, double x, double y) { ups.push_back({b, x, y}); });
    }
    std::vector<Press> downs, moves, ups;
};

TEST(Controls, SurfaceMouseEventsArriveInUserUnitsWithTheirButtonCodes)
{
    MouseSurface surface;
    surface.show();
    QTest::mousePress(&surface, Qt::RightButton, {}, {150, 100});
    QTest::mouseRelease(&surface, Qt::RightButton, {}, {150, 100});
    QTest::mousePress(&surface, Qt::MiddleButton, {}, {30, 20});
    QTest::mouseRelease(&surface, Qt::MiddleButton, {}, {30, 20});
    ASSERT_EQ(surface.downs.size(), 2u);
    EXPECT_EQ(surface.downs[0].button, RightButton);
    EXPECT_DOUBLE_EQ(surface.downs[0].x, 1500);
    EXPECT_DOUBLE_EQ(surface.downs[0].y, 500);
    EXPECT_EQ(surface.downs[1].button, MiddleButton);
    EXPECT_DOUBLE_EQ(surface.downs[1].x, 300);
    ASSERT_EQ(surface.ups.size(), 2u);
    EXPECT_EQ(surface.ups[0].button, RightButton);
}

TEST(Controls, WhileAButtonIsHeldThePressedSurfaceGetsMovesBeyondItsEdges)
{
    QWidget window;
    window.resize(600, 300);
    auto* surface = new MouseSurface;
    surface->setParent(&window);
    window.show();
    QTest::mousePress(surface, Qt::LeftButton, {}, {10, 10});
    QTest::mouseMove(surface, {450, 50});
    QTest::mouseMove(surface, {-40, 50});
    QTest::mouseRelease(surface, Qt::LeftButton, {}, {-40, 50});
    ASSERT_GE(surface->moves.size(), 2u);
    EXPECT_EQ(surface->moves[surface->moves.size() - 2].button, LeftButton);
    EXPECT_DOUBLE_EQ(surface->moves[surface->moves.size() - 2].x, 4500);
    EXPECT_DOUBLE_EQ(surface->moves.back().x, -400);
}

TEST(Controls, AQuickSecondClickIsASecondPress)
{
    MouseSurface surface;
    surface.show();
    // Qt delivers press, release, double-click, release: the double-click stands for the press.
    QTest::mouseClick(&surface, Qt::LeftButton, {}, {100, 100});
    QTest::mouseDClick(&surface, Qt::LeftButton, {}, {100, 100});
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, {100, 100});
    EXPECT_EQ(surface.downs.size(), 2u);

    Button button(QStringLiteral("---->"), nullptr);
    button.show();
    QSignalSpy downs(&button, &Button::mouseDown);
    QSignalSpy clicks(&button, &Button::click);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseDClick(&button, Qt::LeftButton);
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(downs.count(), 2);
    EXPECT_EQ(clicks.count(), 2);

    // Space and Enter are a left press and a click each, as the mouse gives them.
    QTest::keyClick(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Return);
    QTest::keyClick(&button, Qt::Key_A);
    ASSERT_EQ(downs.count(), 4);
    EXPECT_EQ(downs.last().at(0).toInt(), LeftButton);
    EXPECT_EQ(clicks.count(), 4);
}

TEST(Controls, ButtonsReportAnyMouseButtonButClickOnlyOnTheLeft)
{
    QWidget window;
    auto* surface = new MouseSurface;
    surface->setParent(&window);
    auto* button = new Button(QStringLiteral("Ende"), surface);
    button->setGeometry(10, 10, 80, 30);
    window.show();
    QSignalSpy downs(button, &Button::mouseDown);
    QSignalSpy clicks(button, &Button::click);
    QTest::mouseClick(button, Qt::RightButton);
    ASSERT_EQ(downs.count(), 1);
    EXPECT_EQ(downs.at(0).at(0).toInt(), RightButton);
    EXPECT_EQ(clicks.count(), 0);
    // The press stays with the button; the surface beneath never sees it.
    EXPECT_TRUE(surface->downs.empty());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(Controls, SliderChangeFiresOnEveryValueChangeCheckBoxClickOnlyForTheUser)
{
    Slider slider({.min = 800, .max = 1000, .value = 900, .smallChange = 1, .largeChange = 5}, nullptr);
    QSignalSpy changes(&slider, &Slider::change);
    EXPECT_EQ(slider.value(), 900);
    slider.setValue(905);
    slider.setValue(905);
    EXPECT_EQ(changes.count(), 1);
    slider.show();
    slider.setFocus();
    QTest::keyClick(&slider, Qt::Key_Right);
    EXPECT_EQ(slider.value(), 906);

    CheckBox box(QStringLiteral("Linie"), nullptr);
    box.show();
    QSignalSpy clicks(&box, &CheckBox::click);
    box.setChecked(true);
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseClick(&box, Qt::LeftButton, {}, {5, box.height() / 2});
    EXPECT_EQ(clicks.count(), 1);
    // Enter presses a focused check box as Space does.
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 3);
    EXPECT_FALSE(box.isChecked());
}

TEST(Controls, TextBoxesAndLabelsShowTheirTextsAndColours)
{
    TextBox text(QStringLiteral("28"), nullptr);
    text.setBackColor(QColor(224, 224, 224));
    text.setText(QStringLiteral("1,05"));
    EXPECT_EQ(text.text(), "1,05");
    EXPECT_EQ(text.backColor(), QColor(224, 224, 224));
    EXPECT_TRUE(text.isReadOnly());

    CheckBox box(QStringLiteral("Punkte"), nullptr);
    setBackColor(&box, QColor(192, 192, 192));
    box.resize(80, 20);
    EXPECT_EQ(box.grab().toImage().pixelColor(70, 10), QColor(192, 192, 192));

    Label label(QStringLiteral("off"), nullptr);
    label.setBackColor(QColor(255, 0, 0));
    EXPECT_EQ(label.backColor(), QColor(255, 0, 0));
    label.setForeColor(Qt::white);
    EXPECT_EQ(label.foreColor(), QColor(Qt::white));
}

TEST(Controls, ControlsArePlacedInTheirContainersUnits)
{
    Surface panel;
    panel.resize(340, 434);
    panel.canvas().setScaleLeft(-150);
    panel.canvas().setScaleTop(-140);
    panel.canvas().setScaleWidth(300);
    panel.canvas().setScaleHeight(280);
    auto* button = new Button(QStringLiteral("<----"), &panel);
    placeInUnits(button, -150, -140, 75, 25);
    EXPECT_EQ(button->pos(), QPoint(0, 0));
    EXPECT_NEAR(widthInUnits(button), 75, 300.0 / 340);
    setLeftInUnits(button, 150 - widthInUnits(button));
    EXPECT_EQ(button->x() + button->width(), 340);
    EXPECT_NEAR(leftInUnits(button), 75, 300.0 / 340);

    // A panel whose y runs upwards still places a control's top edge at its Top.
    Surface upwards;
    upwards.resize(200, 200);
    upwards.canvas().setScaleLeft(-100);
    upwards.canvas().setScaleTop(100);
    upwards.canvas().setScaleWidth(200);
    upwards.canvas().setScaleHeight(-200);
    auto* label = new Label(QStringLiteral("x"), &upwards);
    placeInUnits(label, -100, 50, 40, 20);
    EXPECT_EQ(label->geometry(), QRect(0, 50, 40, 20));
    EXPECT_DOUBLE_EQ(topInUnits(label), 50);

    // Frames hold their controls in twips.
    Frame frame(QStringLiteral("Welle1"), nullptr);
    auto* box = new CheckBox(QStringLiteral("Punkte"), &frame);
    placeInUnits(box, 120, 240, 1575, 375);
    EXPECT_EQ(box->geometry(), QRect(twipsToPixels(120), twipsToPixels(240), twipsToPixels(1575), twipsToPixels(375)));
}

} // namespace
