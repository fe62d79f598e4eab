// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <platform/drawing/surface.h>
#include <platform/loop/nesting.h>
#include <platform/widgets/controls.h>
#include <platform/widgets/form.h>

#include <QColor>

#include <array>
#include <cstdint>

namespace tilmora {

// The interference window: two coherent waves W1 and W2 and their sum as columns of bars in
// Picture1, their phasors in Picture2, and the colour swatches of one wave and of the sum.
// Every handler and the animation loop share the state below; handlers run inside the loop's
// yields, so the loop re-reads what they may change.
class form1 : public platform::Form {
    Q_OBJECT

public:
    form1();

    void onHScroll1Change();
    void onHScroll2Change();
    void onHScroll3Change();
    void onCommand3Click();
    void onCommand1Click();
    void onCommand5Click();
    void onCommand2Click();
    void onCommand6Click();
    void onCommand7Click();
    void onPicture1MouseDown(int button, int shift, double x, double y);
    void onPicture1MouseMove(int button, int shift, double x, double y);

    // The animation loop: runs inside the Start click until a frame begins halted.
    void wellen();
    // Looks up the colour of the wavelength and paints the swatch of one wave.
    void wavelengthColour();

    const platform::LoopNesting& frameLoops() const { return m_frameLoops; }

    // Column arrays hold 201 entries; only the first pointCount are filled and read.
    using ColumnArray = std::array<float, 201>;

    platform::Label* Label1 = nullptr;
    platform::Slider* HScroll1 = nullptr;
    platform::Label* Label7 = nullptr;
    platform::Label* Label2 = nullptr;
    platform::Slider* HScroll2 = nullptr;
    platform::Label* Label4 = nullptr;
    platform::Label* Label5 = nullptr;
    platform::Label* Label6 = nullptr;
    platform::Slider* HScroll3 = nullptr;
    platform::TextBox* Text1 = nullptr;
    platform::Label* Label3 = nullptr;
    platform::Button* Command3 = nullptr;
    platform::Button* Command1 = nullptr;
    platform::Button* Command5 = nullptr;
    platform::Button* Command2 = nullptr;
    platform::Button* Command6 = nullptr;
    platform::Button* Command7 = nullptr;
    platform::Label* Label10 = nullptr;
    platform::Label* Label11 = nullptr;
    platform::Label* Label12 = nullptr;
    platform::Label* Label13 = nullptr;
    platform::Label* Label14 = nullptr;
    platform::Label* Label8 = nullptr;
    platform::TextBox* Text4 = nullptr;
    platform::Surface* Picture2 = nullptr;
    platform::TextBox* Text2 = nullptr;
    platform::TextBox* Text3 = nullptr;
    platform::Surface* Picture1 = nullptr;

    std::int16_t wavelength = 0;
    std::int16_t baseRed = 0;
    std::int16_t baseGreen = 0;
    std::int16_t baseBlue = 0;
    std::int16_t sumRed = 0;
    std::int16_t sumGreen = 0;
    std::int16_t sumBlue = 0;
    std::int16_t pointIndex = 0;
    std::int16_t selectedPoint = 0;
    std::int16_t pathDifference = 0;
    std::int16_t pointCount = 0;
    std::int16_t pointSpacing = 0;
    std::int16_t pathDegrees = 0;
    ColumnArray wave1X{};
    ColumnArray wave1Y{};
    ColumnArray wave2X{};
    ColumnArray wave2Y{};
    ColumnArray sumTraceX{};
    ColumnArray sumTraceY{};
    float sumAmplitude = 0;
    float waveBrightness = 0;
    float markerX = 0;
    float piValue = 0;
    float timePhase = 0;
    double waveNumber = 0;
    float amplitude = 0;
    float phaseStep = 0;
    std::int16_t halted = 0;
    std::int16_t wave2Off = 0;
    std::int16_t sumOff = 0;
    std::int16_t phasorsOff = 0;
    std::int16_t phasorSumOff = 0;
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
    float stretchFactor = 0;

protected:
    void onLoad() override;
    void onUnload() override;

private:
    // What Picture2 shows, each with its button and indicator light.
    enum class Display { Swatches, Phasors, PhasorSum };

    void placeControls();
    void showOnly(Display display);
    void showPathDifference();
    void recolourSwatches();
    void drawMarker(const QColor& colour);
    // The phase of wave 2 at a column at the time phase; wave 1 is the same wave
    // pathDifference columns further on.
    float phaseAt(int column) const;
    void phasorStep();
    void drawSinglePhasors();
    void drawPhasorSum();
    void sweepColumn(std::int16_t i);

    // Quick restarts nest frame loops; this bounds how deep.
    platform::LoopNesting m_frameLoops;
};

} // namespace tilmora
