// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "windowsystem.h"

#include "bundled_fonts.h"

#include <QFileDialog>

// A web page as the window system (Qt for WebAssembly): the page is the one screen, and the
// program's windows lie inside it with Qt's own title bars.
namespace platform::windowsystem {

// The page is there as soon as the program runs.
std::optional<DisplayFailure> chooseDisplay(DisplayRequest&)
{
    return std::nullopt;
}

std::optional<DisplayFailure> unreachableDisplay(const DisplayRequest&, const std::vector<QString>&)
{
    return std::nullopt;
}

// Qt draws the title bar inside the page; the window measures it once it shows.
QMargins announcedFrameMargins(const QScreen*)
{
    return {};
}

// The browser's console takes the output as it is.
void useStartingConsole() {}

// A page has no fonts of the system's: Liberation Sans comes with the program (a resource).
namespace {
bool fontsLoaded = false;
}

void loadBundledFonts()
{
    fontsLoaded = loadFontsFrom(QStringLiteral(":/fonts"));
}

bool bundledFontsLoaded()
{
    return fontsLoaded;
}

// Qt renders with FreeType here as on Linux, but without fontconfig's slight hinting; asked for
// explicitly, the glyphs keep the widths they have on a Linux desktop.
QFont::HintingPreference layoutHinting()
{
    return QFont::PreferVerticalHinting;
}

// The browser keeps what was put on its clipboard.
void keepClipboardAfterExit() {}

// Qt's title bar in the page shows a new title at once.
void showNewTitle(QWidget*) {}

// Qt shows a plain top-level window over the whole page, without its title bar; a dialog keeps
// its size, its place and its title bar.
Qt::WindowType formWindowType()
{
    return Qt::Dialog;
}

bool savesAsDownload()
{
    return true;
}

void download(const QByteArray& content, const QString& fileName)
{
    QFileDialog::saveFileContent(content, fileName);
}

} // namespace platform::windowsystem
