// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include "platform/drawing/refresh.h"

#include <functional>

namespace platform {

// For the benchmarks alone, outside the windows' interface: called at the start of every yield
// of every pacer, paced or not, so once per animation frame.
void setTickObserver(std::function<void()> observer);

// setScreenWithheld(), the drawing's own part of the probe, comes with it.

} // namespace platform
