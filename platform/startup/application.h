// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QFont>

namespace platform {

// Once per process, before the QApplication: the choice of event loop. Qt's own loop rather than
// GLib's, because an animation yields some 12,000 times a second and Qt's loop answers a yield
// that finds nothing to do in a fraction of GLib's time.
void prepareApplication();

// Once per process, after the QApplication: style, font substitution, default colours.
void initialiseApplication();

// The layout's font: "MS Sans Serif" as the requested family, substituted on Linux.
QFont layoutFont(double pointSize, bool bold = true);

} // namespace platform
