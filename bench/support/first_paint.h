// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <functional>

namespace bench {

// For the start-up benchmarks: at the first Paint event of a top-level window, writes one byte
// to the file descriptor named by BENCH_READY_FD (if set), where the parent that started this
// process takes the time, then posts `then` to the event queue. Call once, after the
// QApplication exists and before any window is shown.
void onFirstPaint(std::function<void()> then);

// Ends the program, as its "Ende" does, `after` from now.
void endAfter(int milliseconds);

} // namespace bench
