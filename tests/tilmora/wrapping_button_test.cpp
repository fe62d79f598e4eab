// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <tilmora/wrapping_button.h>

#include <platform/widgets/layout_font.h>

#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Rows of the button's picture that hold caption text (dark pixels on the light face).
std::vector<int> textRows(QWidget& button)
{
    const QImage image = button.grab().toImage();
    std::vector<int> rows;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = 3; x < image.width() - 3; ++x) {
            if (qGray(image.pixel(x, y)) < 80) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

// Separate runs of text rows: the caption's lines.
int lines(const std::vector<int>& rows)
{
    int count = 0;
    for (std::size_t i = 0; i < rows.size(); ++i)
        count += i == 0 || rows[i] != rows[i - 1] + 1 ? 1 : 0;
    return count;
}

TEST(WrappingButton, ACaptionWiderThanTheButtonBreaksAtItsBlanks)
{
    QWidget parent;
    parent.setFont(platform::layoutFont(13.5));
    tilmora::WrappingButton wide(QStringLiteral("  Phasenzeiger        W1 und W2"), &parent);
    wide.setGeometry(0, 0, 153, 49);
    tilmora::WrappingButton narrow(QStringLiteral("Start/Stopp"), &parent);
    narrow.setGeometry(0, 60, 153, 41);
    parent.resize(200, 120);
    parent.show();
    EXPECT_EQ(wide.text(), "  Phasenzeiger        W1 und W2");
    EXPECT_EQ(lines(textRows(wide)), 2);
    EXPECT_EQ(lines(textRows(narrow)), 1);
}

} // namespace
