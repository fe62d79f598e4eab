// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <memory>
#include <string_view>

class QApplication;

namespace platform {

// The application of a program started from a shell or a desktop launcher. Before any window
// opens it answers --help (the program's own text, then the keys every window has) and
// --version (name and version) with status 0; --lang de or --lang en chooses the language of every
// text, otherwise the locale does (English for an English one, German for all others); and ends with status 1 and a plain German and English line when
// there is no display to open a window on. Every other argument goes to Qt and is otherwise
// ignored, so launchers that pass their own keep working.
std::unique_ptr<QApplication> startApplication(int& argc, char** argv, std::string_view name, std::string_view version,
                                               std::string_view help);

} // namespace platform
