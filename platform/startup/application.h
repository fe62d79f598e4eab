// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

namespace platform {

// Once per process, before the QApplication: the choice of event loop. Qt's own loop rather than
// GLib's, because an animation yields some 12,000 times a second and Qt's loop answers a yield
// that finds nothing to do in a fraction of GLib's time.
void prepareApplication();

// Once per process, after the QApplication: style, font substitution, default colours, and the
// lesson tools of every window.
void initialiseApplication();

} // namespace platform
