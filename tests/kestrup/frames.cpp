// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "frames.h"

#include <support/testing.h>

#include <memory>
#include <utility>

namespace kestrup_testing {

void loadHalted(kestrup::Form1& form)
{
    testing_support::post([&form] { form.onCommand1Click(); });
    form.show();
}

namespace {

struct FrameCounter {
    kestrup::Form1& form;
    int frames;
    std::function<void(int)> atYield;
    int done = 0;
};

// Posted again from each yield, so that it runs once per frame of the running loop.
void countFrame(const std::shared_ptr<FrameCounter>& counter)
{
    ++counter->done;
    if (counter->atYield)
        counter->atYield(counter->done);
    if (counter->done >= counter->frames) {
        counter->form.onCommand1Click();
        return;
    }
    testing_support::post([counter] { countFrame(counter); });
}

} // namespace

void runFrames(kestrup::Form1& form, int frames, const std::function<void(int)>& atYield)
{
    // A slider moved while halted leaves halted at 0 with no loop running; the user's first
    // click then only sets it to 1.
    if (form.halted == 0)
        form.onCommand1Click();
    auto counter = std::make_shared<FrameCounter>(FrameCounter{form, frames, atYield});
    testing_support::post([counter] { countFrame(counter); });
    form.onCommand1Click();
}

PhasorState phasorState(const kestrup::Form1& form)
{
    return {form.tipDx1, form.tipDy1, form.tipDx2, form.oldDx1, form.oldDy1,
            form.oldDx2, form.tipDy2, form.oldDy2, form.phase};
}

void restore(kestrup::Form1& form, const PhasorState& state)
{
    form.tipDx1 = state.tipDx1;
    form.tipDy1 = state.tipDy1;
    form.tipDx2 = state.tipDx2;
    form.tipDy2 = state.tipDy2;
    form.oldDx1 = state.oldDx1;
    form.oldDy1 = state.oldDy1;
    form.oldDx2 = state.oldDx2;
    form.oldDy2 = state.oldDy2;
    form.phase = state.phase;
}

void drawFreshFrame(kestrup::Form1& form, const PhasorState& before)
{
    restore(form, before);
    form.onCheck1Click();
    form.onCheck1Click();
    runFrames(form, 1);
}

void setSwitches(kestrup::Form1& form, unsigned bits)
{
    kestrup::Form1& f = form;
    const std::pair<const std::int16_t*, std::function<void()>> switches[] = {
        {&f.showPoints1, [&f] { f.onCheck1Click(); }},   {&f.showPhasor1, [&f] { f.onCheck2Click(); }},
        {&f.showLine1, [&f] { f.onCheck7Click(); }},     {&f.showPoints2, [&f] { f.onCheck3Click(); }},
        {&f.showPhasor2, [&f] { f.onCheck4Click(); }},   {&f.showLine2, [&f] { f.onCheck8Click(); }},
        {&f.showPointsSum, [&f] { f.onCheck5Click(); }}, {&f.showPhasorSum, [&f] { f.onCheck6Click(); }},
        {&f.showLineSum, [&f] { f.onCheck9Click(); }},
    };
    for (unsigned b = 0; b < 9; ++b) {
        const std::int16_t wanted = (bits >> b) & 1u;
        if (*switches[b].first != wanted)
            switches[b].second();
    }
}

} // namespace kestrup_testing
