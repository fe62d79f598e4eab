// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "windowsystem.h"

#include "bundled_fonts.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

#include <windows.h>

#include <ole2.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace platform::windowsystem {

// Windows always has its desktop, and Qt its one platform for it.
std::optional<DisplayFailure> chooseDisplay(DisplayRequest&)
{
    return std::nullopt;
}

std::optional<DisplayFailure> unreachableDisplay(const DisplayRequest&, const std::vector<QString>&)
{
    return std::nullopt;
}

// The frame of a top-level window's style at the screen's own scale, as the system will draw it
// there; the window measures the real one once it shows.
QMargins announcedFrameMargins(const QScreen* screen)
{
    // Qt's offscreen platform draws no frame.
    if (QGuiApplication::platformName() != QLatin1String("windows"))
        return {};
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    // Since Windows 10 (1607): the frame at any scale, not only the one the user signed in with.
    using AdjustForDpi = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = reinterpret_cast<AdjustForDpi>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    RECT frame{0, 0, 0, 0};
    const bool adjusted = adjustForDpi
        ? adjustForDpi(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0, UINT(std::lround(96 * ratio)))
        : AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    if (!adjusted)
        return {};
    const auto logical = [ratio](LONG devicePixels) { return int(std::ceil(std::abs(devicePixels) / ratio)); };
    return QMargins(logical(frame.left), logical(frame.top), logical(frame.right), logical(frame.bottom));
}

namespace {
UINT consoleCodePage = 0;

// A stream sent to a file or a pipe (orvane.exe --version > v.txt) has its handle already.
bool hasHandle(DWORD stream)
{
    const HANDLE handle = GetStdHandle(stream);
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetFileType(handle) != FILE_TYPE_UNKNOWN;
}
} // namespace

// Only the streams that go nowhere are sent to the console; its code page is the user's again
// when the program ends.
void useStartingConsole()
{
    const bool output = hasHandle(STD_OUTPUT_HANDLE);
    const bool errors = hasHandle(STD_ERROR_HANDLE);
    if ((output && errors) || !AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    if (!output)
        std::freopen("CONOUT$", "w", stdout);
    if (!errors)
        std::freopen("CONOUT$", "w", stderr);
    consoleCodePage = GetConsoleOutputCP();
    SetConsoleOutputCP(CP_UTF8);
    std::atexit([] {
        std::fflush(stdout);
        std::fflush(stderr);
        SetConsoleOutputCP(consoleCodePage);
    });
}

// The layout's font is mapped to Liberation Sans, shipped beside the programs, so every caption
// fits its control exactly as on Linux.
namespace {
bool fontsLoaded = false;
}

void loadBundledFonts()
{
    fontsLoaded = loadFontsFrom(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
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

// The system draws the title bar and shows a new title at once.
void showNewTitle(QWidget*) {}

Qt::WindowType formWindowType()
{
    return Qt::Window;
}

// The program writes the file to the folder chosen in its own dialog.
bool savesAsDownload()
{
    return false;
}

void download(const QByteArray&, const QString&) {}

} // namespace platform::windowsystem
