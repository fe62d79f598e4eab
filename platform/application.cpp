// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "application.h"

#include "system.h"

#include <QApplication>
#include <QStyleFactory>

namespace platform {

namespace {
const QString layoutFamily = QStringLiteral("MS Sans Serif");
}

void prepareApplication()
{
    qputenv("QT_NO_GLIB", "1");
}

void initialiseApplication()
{
    // One look on every desktop, whatever theme the session has.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    windowsystem::loadBundledFonts();
    QFont::insertSubstitutions(layoutFamily, {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QApplication::setFont(layoutFont(8.25, false));
}

QFont layoutFont(double pointSize, bool bold)
{
    QFont font(layoutFamily);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

} // namespace platform
