// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "system.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

#include <windows.h>

#include <ole2.h>

#include <cmath>
#include <cstdio>

namespace platform::windowsystem {

void setDisplayName(const QByteArray&) {}

// The frame of a top-level window's style at the primary screen's scale, as the system will draw
// it; the window measures the real one once it shows.
QMargins announcedFrameMargins()
{
    // Qt's offscreen platform draws no frame.
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return {};
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    RECT frame{0, 0, 0, 0};
    if (!AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0))
        return {};
    const auto logical = [ratio](LONG devicePixels) { return int(std::ceil(std::abs(devicePixels) / ratio)); };
    return QMargins(logical(frame.left), logical(frame.top), logical(frame.right), logical(frame.bottom));
}

bool displayNeeded()
{
    return false;
}

void useStartingConsole()
{
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
    SetConsoleOutputCP(CP_UTF8);
}

// The layout's font is mapped to Liberation Sans, shipped beside the programs, so every caption
// fits its control exactly as on Linux.
namespace {
bool fontsLoaded = false;
}

void loadBundledFonts()
{
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const QString& file : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        fontsLoaded = QFontDatabase::addApplicationFont(fonts.filePath(file)) >= 0 || fontsLoaded;
}

bool bundledFontsLoaded()
{
    return fontsLoaded;
}

// Windows hints fully by default, which rounds every advance to whole pixels: a line of dots and
// blanks ends several pixels away from where it ends on Linux.
QFont::HintingPreference layoutHinting()
{
    return QFont::PreferVerticalHinting;
}

// Qt offers the clipboard's content on request only; the flush hands the content itself to the
// system, where it stays after the program ends.
void keepClipboardAfterExit()
{
    if (qApp && QGuiApplication::clipboard()->ownsClipboard())
        OleFlushClipboard();
}

} // namespace platform::windowsystem
