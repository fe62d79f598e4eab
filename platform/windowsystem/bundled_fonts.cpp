// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "bundled_fonts.h"

#include <QDir>
#include <QFontDatabase>

namespace platform::windowsystem {

bool loadFontsFrom(const QString& folder)
{
    bool loaded = false;
    const QDir fonts(folder);
    for (const QString& file : fonts.entryList({QStringLiteral("*.ttf")}, QDir::Files))
        loaded = QFontDatabase::addApplicationFont(fonts.filePath(file)) >= 0 || loaded;
    return loaded;
}

} // namespace platform::windowsystem
