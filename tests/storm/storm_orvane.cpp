// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// The random-input storm over Orvane's three windows.

#include "run_storm.h"

#include <orvane/form1.h>
#include <orvane/form2.h>
#include <orvane/form3.h>
#include <orvane/program.h>

#include <QApplication>

namespace {

// One of the program's windows, if it was ever created.
template<typename Window>
Window* existing()
{
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget))
            return window;
    }
    return nullptr;
}

template<typename Window, typename Nesting>
int deepest(Nesting nesting)
{
    const Window* window = existing<Window>();
    return window ? nesting(*window).deepest() : 0;
}

} // namespace

namespace orvane {

// The windows' loop nesting, which only the storm reads.
struct StormProbe {
    static const platform::LoopNesting& animations(const Form2& form) { return form.m_animations; }
    static const platform::LoopNesting& haltedRedraws(const Form2& form) { return form.m_haltedRedraws; }
    static const platform::LoopNesting& scans(const Form3& form) { return form.m_scans; }
};

} // namespace orvane

int main(int argc, char** argv)
{
    // Created by the first start(), kept until the process ends.
    static orvane::Program* program = nullptr;
    storm::Program orvane;
    orvane.name = "Orvane";
    orvane.start = [] {
        program = new orvane::Program;
        program->form1().show();
    };
    orvane.report = [](std::FILE* out) {
        std::fprintf(out, "storm: deepest nesting: frame loops %d, halted redraws %d, scans %d (limit %d each)\n",
                     deepest<orvane::Form2>(&orvane::StormProbe::animations),
                     deepest<orvane::Form2>(&orvane::StormProbe::haltedRedraws),
                     deepest<orvane::Form3>(&orvane::StormProbe::scans), platform::LoopNesting::defaultLimit);
    };
    // A right press on the field scans a whole cut, 1201 samples: a few of them are enough.
    orvane.costlyPress = [](QWidget* window, Qt::MouseButton button) {
        return button == Qt::RightButton && qobject_cast<orvane::Form3*>(window);
    };
    orvane.costlyPressBudget = 12;
    return storm::runStorm(argc, argv, orvane);
}
