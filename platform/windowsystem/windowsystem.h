// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QByteArray>
#include <QFont>
#include <QMargins>
#include <QString>

#include <optional>
#include <string>
#include <vector>

// What differs between the window systems the programs run on, one implementation per system:
// nothing above the platform layer knows which one it runs on.
class QScreen;
class QWidget;

namespace platform::windowsystem {

// How a program was asked to reach its display, before Qt starts: the platform as Qt chooses it
// (-platform before QT_QPA_PLATFORM) and the display (-display before DISPLAY); empty where
// nothing was asked for.
struct DisplayRequest {
    QByteArray platform;
    QByteArray display;
};

// Why no window can be shown, in German and in English: said before any translation is loaded.
struct DisplayFailure {
    std::string german;
    std::string english;
};

// Chooses the display before Qt starts, where the system offers more than one (it may set
// QT_QPA_PLATFORM), and tells at once when none can be reached.
std::optional<DisplayFailure> chooseDisplay(DisplayRequest& request);

// After Qt gave up opening its platform: the plain reason, where the messages Qt gave while it
// connected show that the display could not be reached.
std::optional<DisplayFailure> unreachableDisplay(const DisplayRequest& request, const std::vector<QString>& messages);

// The frame the window manager will put round a new top-level window on the screen, in its
// logical pixels, asked for before any window shows there; empty where none is announced.
QMargins announcedFrameMargins(const QScreen* screen);

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

// Shows a window's new title where the window system draws it only with a new picture of the
// window (Qt's own title bars on Wayland).
void showNewTitle(QWidget* window);

// The type of the programs' own top-level windows: framed, of the size and at the place the
// lesson gives them. A page would show a plain top-level window over the whole page.
Qt::WindowType formWindowType();

// Where the window system saves no files for the program (a browser), a file is handed to the
// user as a download instead of being written to a folder the user chooses.
bool savesAsDownload();
void download(const QByteArray& content, const QString& fileName);

} // namespace platform::windowsystem
