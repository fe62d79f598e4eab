// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QString>

namespace platform::windowsystem {

// Makes every TrueType font in the folder (a resource folder too) known to the program; whether
// any was.
bool loadFontsFrom(const QString& folder);

} // namespace platform::windowsystem
