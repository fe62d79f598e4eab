// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QString>

namespace kestrup {

// What F1 shows: what the window shows and what to click (the keys follow).
QString helpPage();

} // namespace kestrup
