// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "form3.h"

#include <platform/loop/events.h>

#include <utility>

namespace orvane {

void Form3::placeSources()
{
    // Entries above 2N keep what they held; nothing reads them.
    const std::int16_t last = 2 * halfcount;
    for (idx = 0; idx <= last; ++idx) {
        sourcex[idx] = 0;
        sourcey[idx] = spacing * idx - spacing * halfcount;
    }
}

// Both layers are cleared first, so that only the new field remains. A slider redraw never
// yields, also when the window shows while it still loads: a slider dragged then would
// otherwise nest one yielding redraw inside the other without end.
void Form3::redrawField()
{
    platform::Canvas& field = canvas();
    field.setAutoRedraw(false);
    field.setAutoRedraw(true);
    field.cls();
    field.setAutoRedraw(true);
    const std::int16_t loadingBefore = std::exchange(loading, std::int16_t{0});
    drawField();
    loading = loadingBefore;
    field.setAutoRedraw(false);
}

void Form3::drawField()
{
    platform::Canvas& field = canvas();
    const std::int16_t last = 2 * halfcount;
    field.setDrawWidth(5);
    for (idx = 0; idx <= last; ++idx)
        field.pset(sourcex[idx], sourcey[idx]);
    field.setDrawWidth(1);
    field.line(0, 0, 3800, 0);

    // Ring by ring, so that while the window loads the wave front grows outwards as it is drawn.
    const std::int16_t step = wavelength;
    for (radius = 0; radius <= 4000; radius += step) {
        for (idx = 0; idx <= last; ++idx) {
            if (loading == 1)
                platform::doEvents();
            field.circle(sourcex[idx], sourcey[idx], radius);
        }
    }
}

} // namespace orvane
