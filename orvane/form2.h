// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <platform/loop/nesting.h>
#include <platform/widgets/controls.h>
#include <platform/widgets/form.h>
#include <platform/widgets/picture_box.h>

#include <array>
#include <cmath>
#include <cstdint>

namespace orvane {

class Program;

// The superposition window: W1, W2 and their sum as rows of columns on the wave surface, the
// phasors of the selected point on the panel above it, and the animation that runs them.
class Form2 : public platform::Form {
    Q_OBJECT

public:
    explicit Form2(Program& program);

    void onCommand1Click();
    void onCommand2Click();
    void onCommand3Click();
    void onCommand4Click();
    void onHScroll1Change();
    void onHScroll2Change();
    void onHScroll3Change();
    void onPicture1MouseDown(int button, int shift, double x, double y);
    void onPicture1MouseMove(int button, int shift, double x, double y);
    void onCommand5MouseDown(int button, int shift, double x, double y);
    void onCommand6Click();

    // Runs frames until a frame begins halted.
    void animateWaves();
    // The halted picture: dark bands with the waves, one phaseStep back, cut into them in white.
    void redrawHalted();
    // The selected point's phasors at full size, while halted.
    void drawSelectedPhasors();

    const platform::LoopNesting& animations() const { return m_animations; }

    platform::Button* Command1 = nullptr;
    platform::Label* Label5 = nullptr;
    platform::Button* Command2 = nullptr;
    platform::Label* Label6 = nullptr;
    platform::Button* Command3 = nullptr;
    platform::Label* Label7 = nullptr;
    platform::Slider* HScroll1 = nullptr;
    platform::TextBox* Text1 = nullptr;
    platform::Label* label1 = nullptr;
    platform::Slider* HScroll2 = nullptr;
    platform::TextBox* Text3 = nullptr;
    platform::Label* Label2 = nullptr;
    platform::Slider* HScroll3 = nullptr;
    platform::TextBox* Text2 = nullptr;
    platform::Label* Label3 = nullptr;
    platform::PictureBox* Picture1 = nullptr;
    platform::Label* Label4 = nullptr;
    platform::PictureBox* Picture2 = nullptr;
    platform::Button* Command6 = nullptr;
    platform::Button* Command5 = nullptr;
    platform::Button* Command4 = nullptr;
    platform::Label* Label8 = nullptr;

    // Indices 0 to 200; the points use 0 to 99, the rest stays 0.
    static constexpr int tableSize = 201;
    using PointTable = std::array<float, tableSize>;

    std::int16_t wavelength = 0;
    std::int16_t pointIndex = 0;
    std::int16_t selectedPoint = 0;
    std::int16_t phaseShift = 0;
    std::int16_t pointCount = 0;
    std::int16_t pointSpacing = 0;
    float piValue = 0;
    float timePhase = 0;
    double waveNumber = 0;
    float amplitude = 0;
    float phaseStep = 0;
    float speed = 0;
    std::int16_t halted = 0;
    std::int16_t wave2Off = 0;
    std::int16_t sumOff = 0;
    std::int16_t vectorSumMode = 0;
    std::int16_t singlePhasorMode = 0;
    float phase1 = 0;
    float phase2 = 0;
    float phasor1X = 0;
    float phasor1Y = 0;
    float phasor2X = 0;
    float phasor2Y = 0;
    float tip1X = 0;
    float tip1Y = 0;
    float tipSumX = 0;
    float tipSumY = 0;
    PointTable wave1X{};
    PointTable wave1Y{};
    PointTable wave2X{};
    PointTable wave2Y{};
    PointTable sumTraceX{};
    PointTable sumTraceY{};

protected:
    void onLoad() override;
    void onUnload() override;

private:
    // The phase of wave 2 at a point, lag behind the time phase; wave 1 is the same wave
    // phaseShift points further on.
    float phaseAt(int point, float lag = 0) const;
    // Both phasors, of length amplitude, at phase1 and phase2.
    void computePhasors();
    // Every drawing of the window takes sine and cosine of its float phases in double.
    static double sine(float phase) { return std::sin(static_cast<double>(phase)); }
    static double cosine(float phase) { return std::cos(static_cast<double>(phase)); }
    template<typename ChangePoint>
    void selectPoint(ChangePoint changePoint);
    void selectPointUnderMouse(int button, double x);
    void drawMarkerColumns();
    void drawSinglePhasors();
    void drawVectorSum();
    void sweepPoints();
    void eraseMarkerColumns();
    bool waveTwoShown() const { return wave2Off == 0; }
    bool sumShown() const { return wave2Off == 0 && sumOff == 0; }

    Program& m_program;
    // Quick restarts nest frame loops, slider moves while halted nest redraws; these bound how deep.
    platform::LoopNesting m_animations;
    platform::LoopNesting m_haltedRedraws;
    // The random-input storm reports how deep the loops nested.
    friend struct StormProbe;
};

} // namespace orvane
