// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "text_fit.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace tilmora {
namespace {

const QString base = QStringLiteral("10");
// Narrower than this and the text is no longer readable; it then overflows a little instead.
constexpr int narrowestStretch = 70;

// Narrows the font by the factor `scale` (< 1), or leaves it alone.
void narrow(platform::Label* label, double scale)
{
    if (scale >= 1.0)
        return;
    QFont font = label->font();
    font.setStretch(std::max(narrowestStretch, static_cast<int>(std::floor(scale * 100))));
    label->setFont(font);
}

} // namespace

void fitOnOneLine(platform::Label* label)
{
    const double room = label->contentsRect().width();
    const double needed = QFontMetricsF(label->font()).horizontalAdvance(label->text());
    if (needed > 0)
        narrow(label, room / needed);
}

void fitBasesToExponents(platform::Label* text, std::initializer_list<const QWidget*> exponents)
{
    const QString caption = text->text();
    const QFontMetricsF metrics(text->font());
    const double origin = text->x() + text->contentsRect().left();
    double scale = 1.0;
    qsizetype from = 0;
    for (const QWidget* exponent : exponents) {
        const qsizetype at = caption.indexOf(base, from);
        if (at < 0)
            break;
        from = at + base.size();
        const double end = metrics.horizontalAdvance(caption.left(from));
        const double room = exponent->x() - origin;
        if (end > 0 && room > 0)
            scale = std::min(scale, room / end);
    }
    narrow(text, scale);
}

} // namespace tilmora
