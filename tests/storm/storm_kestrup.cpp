// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// The random-input storm over Kestrup's window.

#include "run_storm.h"

#include <kestrup/form1.h>

int main(int argc, char** argv)
{
    storm::Program kestrup;
    kestrup.name = "Kestrup";
    kestrup.start = [] {
        // Loading runs the animation inside show(); the storm runs in its yields.
        static kestrup::Form1 window;
        window.show();
    };
    return storm::runStorm(argc, argv, kestrup);
}
