// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "help_window.h"

#include "application.h"
#include "form.h"
#include "lesson_tools.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace platform {

HelpWindow::HelpWindow(Form* window) : QDialog(window)
{
    setWindowTitle(QStringLiteral("Hilfe"));
    auto* text = new QTextBrowser(this);
    // Read from the back of a classroom as well.
    text->setFont(layoutFont(11));
    text->setOpenLinks(false);
    text->setHtml(QStringLiteral("<h2>%1</h2>%2<h3>Tasten</h3><pre>%3</pre>")
                      .arg(LessonTools::unmarkedTitle(window).trimmed().toHtmlEscaped(), window->helpText(),
                           QString::fromUtf8(windowKeysText().data(), qsizetype(windowKeysText().size()))
                               .section(QLatin1Char('\n'), 1)
                               .toHtmlEscaped()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
    resize(620, 560);
}

void HelpWindow::showFor(Form* window)
{
    auto* help = window->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help)
        help = new HelpWindow(window);
    help->show();
    help->raise();
    help->activateWindow();
}

} // namespace platform
