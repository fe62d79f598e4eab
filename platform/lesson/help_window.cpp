// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "help_window.h"

#include "lesson_tools.h"
#include "platform/widgets/form.h"
#include "platform/widgets/layout_font.h"
#include "platform/windowsystem/desktop.h"

#include <QTextBrowser>
#include <QVBoxLayout>

namespace platform {
namespace {

// The keys as a table of two columns whose meanings wrap inside the window.
QString keysTable()
{
    QString rows;
    for (const KeyHelp& key : windowKeys()) {
        rows += QStringLiteral("<tr><td width=\"36%\">%1</td><td>%2</td></tr>")
                    .arg(key.keys.toHtmlEscaped(), key.meaning.toHtmlEscaped());
    }
    return QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"3\">%1</table>").arg(rows);
}

// Beside its window where the work area has room, otherwise over the window's right-hand part,
// away from the controls that stand at its left; inside the work area always.
QPoint placeBeside(const QRect& window, const QSize& help, const QMargins& frame, const QRect& area)
{
    const QSize outer = help.grownBy(frame);
    QPoint topLeft(window.right() + 1, window.top());
    if (topLeft.x() + outer.width() > area.right() + 1)
        topLeft.setX(window.left() - outer.width());
    if (topLeft.x() < area.left())
        topLeft.setX(window.right() + 1 - outer.width());
    return placedInside(QRect(topLeft, outer), area, false).topLeft();
}

} // namespace

HelpWindow::HelpWindow(Form* window) : QDialog(window)
{
    const QString title = LessonTools::unmarkedTitle(window).trimmed();
    setWindowTitle(tr("Hilfe – %1").arg(title));
    auto* text = new QTextBrowser(this);
    // Read from the back of a classroom as well.
    text->setFont(layoutFont(11));
    text->setOpenLinks(false);
    text->setContextMenuPolicy(Qt::NoContextMenu);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setHtml(QStringLiteral("<h2>%1</h2>%2<h3>%3</h3>%4")
                      .arg(title.toHtmlEscaped(), window->helpText(), tr("Tasten"), keysTable()));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text);
}

// On the screen its window is on now: the lesson may have moved to the projector since the help
// was last shown.
void HelpWindow::placeBesideItsWindow()
{
    const auto* window = static_cast<const QWidget*>(parent());
    const QMargins frame = frameMargins(window->screen());
    const QRect area = workArea(window->screen());
    resize(QSize(620, 560).boundedTo(area.size().shrunkBy(frame)));
    move(placeBeside(window->frameGeometry(), size(), frame, area));
}

void HelpWindow::showFor(Form* window)
{
    auto* help = window->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (!help)
        help = new HelpWindow(window);
    help->placeBesideItsWindow();
    help->show();
    help->raise();
    help->activateWindow();
}

} // namespace platform
