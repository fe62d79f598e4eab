// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QString>

// What F1 shows for each window: what it shows and what to click and drag (the keys follow).
namespace orvane::help {

QString menu();
QString superposition();
QString huygens();

} // namespace orvane::help
