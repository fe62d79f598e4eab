// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include "storm.h"

#include <cstdio>
#include <functional>

namespace storm {

// What differs between the programs: how each starts, and what it adds to the report.
struct Program {
    const char* name = "";
    // Creates and shows the startup window, as the program's main does; called once.
    std::function<void()> start;
    // Extra report lines (the deepest nesting of the program's loops).
    std::function<void(std::FILE*)> report;
    std::function<bool(QWidget* window, Qt::MouseButton button)> costlyPress;
    int costlyPressBudget = 0;
};

// Runs one storm over a program and ends the process: status 0 when the program ended through
// its own close after a full storm, non-zero with the seed and the reason otherwise. The seed
// comes from the first argument, else from STORM_SEED, else at random; it is printed first.
int runStorm(int argc, char** argv, const Program& program);

} // namespace storm
