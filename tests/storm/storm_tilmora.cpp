// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// The random-input storm over Tilmora's window.

#include "run_storm.h"

#include <tilmora/form1.h>

int main(int argc, char** argv)
{
    static tilmora::form1* window = nullptr;
    storm::Program tilmora;
    tilmora.name = "Tilmora";
    tilmora.start = [] {
        window = new tilmora::form1;
        window->show();
    };
    tilmora.report = [](std::FILE* out) {
        std::fprintf(out, "storm: deepest nesting: frame loops %d (limit %d)\n", window->frameLoops().deepest(),
                     window->frameLoops().limit());
    };
    return storm::runStorm(argc, argv, tilmora);
}
