// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "application.h"

#include "platform/lesson/lesson_tools.h"
#include "platform/widgets/layout_font.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

namespace platform {

void prepareApplication()
{
    qputenv("QT_NO_GLIB", "1");
}

void initialiseApplication()
{
    // One look on every desktop, whatever theme the session has.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    provideLayoutFont();
    QApplication::setFont(layoutFont(8.25, false));
    LessonTools::install();
}

} // namespace platform
