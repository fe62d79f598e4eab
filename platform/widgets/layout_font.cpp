// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "layout_font.h"

#include "platform/windowsystem/windowsystem.h"

#include <QStringList>

namespace platform {

namespace {
const QString layoutFamily = QStringLiteral("MS Sans Serif");
const QString substitute = QStringLiteral("Liberation Sans");

// Where the system has a font of the layout's name with other metrics (Windows' own bitmap font),
// the substitute is asked for by its own name, so that every caption fits as laid out.
QString requestedFamily()
{
    return windowsystem::bundledFontsLoaded() ? substitute : layoutFamily;
}
} // namespace

void provideLayoutFont()
{
    windowsystem::loadBundledFonts();
    QFont::insertSubstitutions(layoutFamily, {substitute, QStringLiteral("DejaVu Sans")});
}

QFont layoutFont(double pointSize, bool bold)
{
    QFont font(requestedFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setHintingPreference(windowsystem::layoutHinting());
    return font;
}

} // namespace platform
