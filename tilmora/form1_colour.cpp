// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// The colour of a wavelength and the swatches of one wave and of the sum of both.

#include "form1.h"

#include "colours.h"

#include <platform/widgets/numbers.h>

#include <array>
#include <cmath>

namespace tilmora {
namespace {

struct BaseColour {
    std::int16_t red, green, blue;
};

// Wavelength slider values 20..38 (400..760 nm, in steps of 20); the ultraviolet and infrared
// ends of the slider have no colour.
constexpr std::int16_t firstColoured = 20;
constexpr std::array<BaseColour, 19> visibleColours{{
    {0, 0, 64}, // 400 nm
    {0, 0, 90}, // 420
    {0, 20, 100}, // 440
    {0, 40, 100}, // 460
    {0, 90, 110}, // 480
    {0, 100, 90}, // 500
    {20, 120, 0}, // 520
    {100, 120, 0}, // 540
    {120, 120, 0}, // 560
    {120, 110, 0}, // 580
    {120, 100, 0}, // 600
    {120, 90, 0}, // 620
    {120, 70, 0}, // 640
    {120, 50, 0}, // 660
    {120, 30, 0}, // 680
    {110, 0, 0}, // 700
    {90, 0, 0}, // 720
    {70, 0, 0}, // 740
    {50, 0, 0}, // 760
}};

// A Single product converted to the nearest integer, halves to even.
std::int16_t scaled(std::int16_t component, float factor)
{
    return platform::toInteger(component * factor);
}

} // namespace

void form1::wavelengthColour()
{
    const int row = wavelength - firstColoured;
    const BaseColour colour = row >= 0 && row < int(visibleColours.size()) ? visibleColours[row] : BaseColour{0, 0, 0};
    baseRed = colour.red;
    baseGreen = colour.green;
    baseBlue = colour.blue;
    waveBrightness = 1.5;
    Text2->setBackColor(platform::rgb(scaled(baseRed, waveBrightness), scaled(baseGreen, waveBrightness),
                                      scaled(baseBlue, waveBrightness)));
}

// The sum of two unit phasors at the phase difference of the path difference: twice as bright
// where they agree, dark where they cancel.
void form1::recolourSwatches()
{
    wavelengthColour();
    const float phaseDifference = static_cast<float>(pathDifference * waveNumber);
    sumAmplitude = static_cast<float>(std::sqrt(2 * (1 + std::cos(double(phaseDifference)))));
    sumRed = scaled(baseRed, sumAmplitude);
    sumGreen = scaled(baseGreen, sumAmplitude);
    sumBlue = scaled(baseBlue, sumAmplitude);
    // Dark text on a bright swatch, light text on a dark one.
    if (sumRed + sumGreen + sumBlue > 199)
        Text3->setForeColor(colours::black());
    else
        Text3->setForeColor(colours::white());
    Text3->setBackColor(platform::rgb(sumRed, sumGreen, sumBlue));
}

} // namespace tilmora
