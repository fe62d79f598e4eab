// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QByteArray>
#include <QFont>
#include <QMargins>

// What differs between the window systems the programs run on, one implementation per system:
// nothing above the platform layer knows which one it runs on.
namespace platform::windowsystem {

// The display the programs' own connection to the window system opens, as Qt's -display gives it;
// empty for the default.
void setDisplayName(const QByteArray& name);

// The frame the window manager will put round a new top-level window, in the screen's logical
// pixels, asked for before any window shows; empty where none is announced.
QMargins announcedFrameMargins();

// Whether a display must be named before Qt is started at all: on X11 a missing one is known at
// once, while elsewhere the system always has its desktop.
bool displayNeeded();

// Lets --help and --version reach the console the program was started from, as UTF-8: a program
// with windows has none of its own on every system.
void useStartingConsole();

// Makes the fonts that come with the programs known, where the system lacks the layout's font;
// whether any were.
void loadBundledFonts();
bool bundledFontsLoaded();

// The hinting the captions were fitted with: a Linux desktop's default, slight hinting, which
// keeps the glyphs' own widths.
QFont::HintingPreference layoutHinting();

// Makes what the program put on the clipboard outlive it: the program ends without Qt's own
// shutdown, which would otherwise hand it over.
void keepClipboardAfterExit();

} // namespace platform::windowsystem
