// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <kestrup/form1.h>

#include <functional>

namespace kestrup_testing {

// Shows the window: Load draws one frame, and a halt posted beforehand lets Load return.
void loadHalted(kestrup::Form1& form);

// Resumes the animation with "Halt/Weiter" (clicked twice where a slider left it unhalted
// with no loop) and halts it again, as a user would, after the given number of frames. atYield(k) runs inside the yield after frame k (1-based), before the
// halt; what it does the next frame reads.
void runFrames(kestrup::Form1& form, int frames, const std::function<void(int)>& atYield = {});

// The phasors and the phase: what the next frame starts from.
struct PhasorState {
    kestrup::Form1::PointArray<double> tipDx1, tipDy1, tipDx2, oldDx1, oldDy1, oldDx2;
    kestrup::Form1::PointArray<float> tipDy2, oldDy2;
    double phase = 0;
};
PhasorState phasorState(const kestrup::Form1& form);
void restore(kestrup::Form1& form, const PhasorState& state);

// Clears the window and the chain box as a check box does (clicked twice, so no switch
// changes), then draws one frame from the given state: the picture that frame must leave.
void drawFreshFrame(kestrup::Form1& form, const PhasorState& before);

// Sets the nine switches by clicking the boxes that differ. Bits from 0: showPoints1,
// showPhasor1, showLine1, showPoints2, showPhasor2, showLine2, showPointsSum, showPhasorSum,
// showLineSum.
void setSwitches(kestrup::Form1& form, unsigned bits);

} // namespace kestrup_testing
