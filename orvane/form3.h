// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <platform/drawing/surface.h>
#include <platform/loop/nesting.h>
#include <platform/widgets/controls.h>
#include <platform/widgets/form.h>
#include <platform/widgets/picture_box.h>

#include <array>
#include <cstdint>

namespace orvane {

class Program;

// The Huygens–Fresnel window: a row of 2N+1 elementary sources drawn as families of circles,
// the phasors of all sources and their vector sum at a pressed point, and the near-field
// amplitude distribution along a vertical cut.
class Form3 : public platform::Form {
    Q_OBJECT

public:
    explicit Form3(Program& program);

    void onHScroll2Change();
    void onHScroll3Change();
    void onCommand1Click();
    void onCommand2Click();
    void onCommand3Click();
    void onPicture1Click();
    void onMouseDown(int button, int shift, double x, double y);
    void onMouseMove(int button, int shift, double x, double y);
    void onMouseUp(int button, int shift, double x, double y);

    // The field of elementary waves: source dots, the axis and the rings of circles.
    void drawField();

    platform::Slider* HScroll2 = nullptr;
    platform::TextBox* Text2 = nullptr;
    platform::Slider* HScroll3 = nullptr;
    platform::TextBox* Text3 = nullptr;
    platform::Button* Command3 = nullptr;
    platform::Label* Label1 = nullptr;
    platform::Label* Label2 = nullptr;
    platform::Label* Label5 = nullptr;
    platform::Frame* Frame1 = nullptr;
    platform::PictureBox* Picture3 = nullptr;
    platform::Label* Label3 = nullptr;
    platform::Button* Command2 = nullptr;
    platform::PictureBox* Picture1 = nullptr;
    platform::Button* Command1 = nullptr;
    platform::Label* Label4 = nullptr;

    // The window's state, shared by all its handlers; readable so that tests see what a
    // handler left behind.
    std::int16_t halfcount = 3;
    std::int16_t wavelength = 100;
    float spacing = 50;
    std::array<double, 101> sourcex{};
    std::array<float, 101> sourcey{};
    std::array<float, 18> phase{};
    double pi = 0;
    double sumx = 0;
    float sumy = 0;
    float amplitude = 0;
    double dist = 0;
    double frac = 0;
    std::int16_t radius = 0;
    // Every loop over the sources runs on this one variable.
    std::int16_t idx = 0;
    std::int16_t loading = 0;

protected:
    void onLoad() override;
    void onUnload() override;
    void onResize() override;

private:
    void placeSources();
    void sizePhasorPanel();
    void redrawField();

    // The point display, in the steps the left press, the drag and the scan combine.
    void movePanel(double x, double y);
    void drawLinesToSources(double x, double y);
    void computePhases(double x, double y);
    void drawPhasorChain();
    void closePhasorChain();
    void drawSinglePhasors();

    void scanAmplitude(double x);

    Program& m_program;
    // Right presses during a scan nest scans; this bounds how deep.
    platform::LoopNesting m_scans;
    // The random-input storm reports how deep the scans nested.
    friend struct StormProbe;
};

} // namespace orvane
