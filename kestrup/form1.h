// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <platform/drawing/surface.h>
#include <platform/loop/nesting.h>
#include <platform/widgets/controls.h>
#include <platform/widgets/form.h>
#include <platform/widgets/picture_box.h>

#include <QPointF>

#include <array>
#include <cstdint>

namespace kestrup {

// The phasor-chain window: two waves, the first displaced by a path difference, and their
// superposition in three rows, each as points, phasors and line; above them the chain box with
// the two phasors of one place, their chain and their resultant.
class Form1 : public platform::Form {
    Q_OBJECT

public:
    // Point arrays hold indices 0 to 100; the rows use 0 to lastPoint + 1.
    static constexpr int pointCapacity = 101;
    template<typename T>
    using PointArray = std::array<T, pointCapacity>;

    explicit Form1(QWidget* parent = nullptr);

    void onCommand1Click();
    void onCommand2Click();
    void onHScroll4Change();
    void onHScroll5Change();
    void onHScroll6Change();
    void onCheck1Click();
    void onCheck2Click();
    void onCheck3Click();
    void onCheck4Click();
    void onCheck5Click();
    void onCheck6Click();
    void onCheck7Click();
    void onCheck8Click();
    void onCheck9Click();
    void onPicture1Click();

    // The frame loop: runs until halted is 1.
    void animateWaves();

    platform::Frame* Frame4 = nullptr;
    platform::Label* Label4 = nullptr;
    platform::Slider* HScroll4 = nullptr;
    platform::TextBox* Text1 = nullptr;
    platform::Label* Label5 = nullptr;
    platform::Slider* HScroll5 = nullptr;
    platform::TextBox* Text2 = nullptr;
    platform::Label* Label6 = nullptr;
    platform::Slider* HScroll6 = nullptr;
    platform::TextBox* Text3 = nullptr;
    platform::Frame* Frame5 = nullptr;
    platform::Frame* Frame1 = nullptr;
    platform::CheckBox* Check1 = nullptr;
    platform::CheckBox* Check2 = nullptr;
    platform::CheckBox* Check7 = nullptr;
    platform::Frame* Frame2 = nullptr;
    platform::CheckBox* Check3 = nullptr;
    platform::CheckBox* Check4 = nullptr;
    platform::CheckBox* Check8 = nullptr;
    platform::Frame* Frame3 = nullptr;
    platform::CheckBox* Check5 = nullptr;
    platform::CheckBox* Check6 = nullptr;
    platform::CheckBox* Check9 = nullptr;
    platform::Button* command1 = nullptr;
    platform::Button* Command2 = nullptr;
    platform::TextBox* Text4 = nullptr;
    platform::PictureBox* Picture1 = nullptr;
    platform::Label* Label1 = nullptr;
    platform::Label* Label7 = nullptr;
    platform::Label* Label2 = nullptr;
    platform::Label* Label3 = nullptr;

    // Window state; unset values are 0 until Load sets them.
    double piValue = 0;
    std::int16_t lastPoint = 0;
    std::int16_t amplitude = 0;
    std::int16_t spacing = 0;
    std::int16_t wavelength = 0;
    double waveNumber = 0;
    float phaseStep = 0;
    double phase = 0;
    float pathDifference = 0;
    std::int16_t halted = 0;
    std::int16_t showPoints1 = 0;
    std::int16_t showPhasor1 = 0;
    std::int16_t showLine1 = 0;
    std::int16_t showPoints2 = 0;
    std::int16_t showPhasor2 = 0;
    std::int16_t showLine2 = 0;
    std::int16_t showPointsSum = 0;
    std::int16_t showPhasorSum = 0;
    std::int16_t showLineSum = 0;
    std::int16_t chainHidden = 0;
    // The one counter of every point loop; it holds the superposition loop's float start too.
    double pointIndex = 0;

    PointArray<double> restX1{};
    PointArray<double> restY1{};
    PointArray<double> restX2{};
    PointArray<double> restY2{};
    PointArray<double> restXSum{};
    PointArray<float> restYSum{};
    PointArray<double> tipDx1{};
    PointArray<double> tipDy1{};
    PointArray<double> tipDx2{};
    PointArray<float> tipDy2{};
    PointArray<double> oldDx1{};
    PointArray<double> oldDy1{};
    PointArray<double> oldDx2{};
    PointArray<float> oldDy2{};

protected:
    void onLoad() override;
    void onUnload() override;

private:
    void createParameterFrame();
    void createSwitchFrames();
    void createChainBox();
    void placeControls();
    void markRestPositions();
    void placeMarkerLabel();
    void drawMarker();
    void toggleSwitch(std::int16_t& value, bool clearsChainBox);

    // form1_animation.cpp
    void drawFrame();
    void drawRows();
    void copyLastPoint();
    void drawSuperposition();
    QPointF tip1(int m) const;
    QPointF old1(int m) const;
    QPointF tip2(int m) const;
    QPointF old2(int m) const;
    QPointF sum(int m) const;
    QPointF oldSum(int m) const;

    // form1_chain.cpp
    void drawPhasorChain();
    void drawMeasuringLine();

    // One frame loop at most: a second start leaves the frames to the running loop.
    platform::LoopNesting m_frameLoops{1};
};

} // namespace kestrup
