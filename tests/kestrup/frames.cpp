#include "frames.h"

#include <support/testing.h>

#include <memory>

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
    struct Switch {
        std::int16_t kestrup::Form1::*value;
        void (kestrup::Form1::*click)();
    };
    static const Switch switches[] = {
        {&kestrup::Form1::showPoints1, &kestrup::Form1::onCheck1Click},
        {&kestrup::Form1::showPhasor1, &kestrup::Form1::onCheck2Click},
        {&kestrup::Form1::showLine1, &kestrup::Form1::onCheck7Click},
        {&kestrup::Form1::showPoints2, &kestrup::Form1::onCheck3Click},
        {&kestrup::Form1::showPhasor2, &kestrup::Form1::onCheck4Click},
        {&kestrup::Form1::showLine2, &kestrup::Form1::onCheck8Click},
        {&kestrup::Form1::showPointsSum, &kestrup::Form1::onCheck5Click},
        {&kestrup::Form1::showPhasorSum, &kestrup::Form1::onCheck6Click},
        {&kestrup::Form1::showLineSum, &kestrup::Form1::onCheck9Click},
    };
    for (unsigned b = 0; b < 9; ++b) {
        const std::int16_t wanted = (bits >> b) & 1u;
        if (form.*(switches[b].value) != wanted)
            (form.*(switches[b].click))();
    }
}

} // namespace kestrup_testing
