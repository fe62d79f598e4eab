// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include "frame_run.h"

#include <string>

namespace bench {

// Benchmark programs print their results as lines "figure <row> <name> <value>", which the
// table driver reads; the lines stay readable when a benchmark runs by hand.
void printFigure(const std::string& row, const std::string& name, double value);

// The figures every animation row has: the median unpaced frame, the unpaced frame rate and the
// share of one core the paced run took, and the display server's share beside it.
void printAnimationFigures(const std::string& row, const FrameRun& unpaced, const FrameRun& paced);

// Benchmarks run headless unless a platform is chosen.
void chooseOffscreenByDefault();

} // namespace bench
