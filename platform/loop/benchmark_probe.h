// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <functional>

namespace platform {

// For the benchmarks alone, outside the windows' interface: called at the start of every yield
// of every pacer, paced or not, so once per animation frame.
void setTickObserver(std::function<void()> observer);

// For the benchmarks alone: while withheld, drawing goes on but nothing drawn is handed to Qt,
// so a run costs the program's own work without painting and without the display server's.
void setScreenWithheld(bool withheld);

} // namespace platform
