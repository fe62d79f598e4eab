// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QFont>

namespace platform {

// Once per process, with the application: makes the layout's font available under its own name,
// substituted where the system lacks it.
void provideLayoutFont();

// The layout's font: "MS Sans Serif" as the requested family, substituted on Linux.
QFont layoutFont(double pointSize, bool bold = true);

} // namespace platform
