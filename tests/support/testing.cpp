// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "testing.h"

#include <QApplication>
#include <QCoreApplication>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace testing_support {

void post(std::function<void()> action)
{
    QTimer::singleShot(0, QCoreApplication::instance(), std::move(action));
}

int countPixels(const QImage& image, const QColor& colour, QRect area)
{
    if (area.isNull())
        area = image.rect();
    area &= image.rect();
    const QRgb wanted = colour.rgb();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = area.left(); x <= area.right(); ++x)
            count += (row[x] | 0xff000000u) == (wanted | 0xff000000u) ? 1 : 0;
    }
    return count;
}

int differingPixels(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return a.width() * a.height() + b.width() * b.height();
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* ra = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            count += ((ra[x] ^ rb[x]) & 0x00ffffffu) != 0 ? 1 : 0;
    }
    return count;
}

QPoint centreOf(const QWidget* widget)
{
    return widget->rect().center();
}

} // namespace testing_support

namespace testing_support {

std::vector<QWidget*> tabCycle(QWidget* window)
{
    // Keys go to the active window's focus widget; the window system activates it in its turn.
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window)) << "the window did not become active";
    std::vector<QWidget*> visited;
    window->setFocus();
    for (int step = 0; step < 200; ++step) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : window, Qt::Key_Tab);
        QWidget* next = QApplication::focusWidget();
        if (!next || (!visited.empty() && next == visited.front()))
            break;
        visited.push_back(next);
    }
    return visited;
}

} // namespace testing_support

namespace testing_support {

int countIn(const platform::Canvas& canvas, const QColor& colour, double x1, double y1, double x2, double y2)
{
    const QPoint a = canvas.devicePixel(x1, y1);
    const QPoint b = canvas.devicePixel(x2, y2);
    return countPixels(canvas.screen(), colour, QRect(a, b).normalized());
}

bool isLine(const platform::Primitive& p, const QColor& colour, int width)
{
    return p.kind == platform::Primitive::Kind::Line && p.colour == colour && p.width == width;
}

LocaleScope::LocaleScope(QLocale::Language language)
{
    QLocale::setDefault(QLocale(language));
}

LocaleScope::~LocaleScope()
{
    QLocale::setDefault(m_saved);
}

} // namespace testing_support
