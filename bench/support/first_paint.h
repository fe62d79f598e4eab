// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <functional>

namespace bench {

// For the start-up benchmarks: at the first Paint event of a top-level window, prints the figure
// "start first_window_ms", the time since BENCH_STARTED_AT (seconds since the epoch, as the
// shell's EPOCHREALTIME gives it, taken just before the start; no figure when unset), then posts
// `then` to the event queue. Call once, after the QApplication exists and before any window is
// shown.
void onFirstPaint(std::function<void()> then);

// Ends the program, as its "Ende" does, `after` from now, first printing the figure
// "start peak_mb": the peak resident memory (VmHWM) of its run.
void endAfter(int milliseconds);

} // namespace bench
