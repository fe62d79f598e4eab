// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "table.h"

#include <algorithm>

namespace report {

std::size_t displayWidth(const std::string& text)
{
    // Every byte but a continuation byte (10xxxxxx) starts a character.
    const auto startsCharacter = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; };
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), startsCharacter));
}

Table::Table(std::vector<std::string> headings) : m_headings(std::move(headings)) {}

void Table::addRow(std::vector<std::string> cells)
{
    cells.resize(m_headings.size());
    m_rows.push_back(std::move(cells));
}

std::string Table::render() const
{
    std::vector<std::size_t> widths;
    for (const std::string& heading : m_headings)
        widths.push_back(displayWidth(heading));
    for (const auto& row : m_rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], displayWidth(row[i]));
    }

    const auto line = [&widths](const std::vector<std::string>& cells) {
        std::string text;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            if (i > 0)
                text += "  ";
            text += cells[i];
            // The last column is not padded: no trailing blanks.
            if (i + 1 < cells.size())
                text.append(widths[i] - displayWidth(cells[i]), ' ');
        }
        while (!text.empty() && text.back() == ' ')
            text.pop_back();
        return text + '\n';
    };

    std::string text = line(m_headings);
    std::size_t ruleWidth = 2 * (widths.size() - 1);
    for (std::size_t width : widths)
        ruleWidth += width;
    text += std::string(ruleWidth, '-') + '\n';
    for (const auto& row : m_rows)
        text += line(row);
    return text;
}

} // namespace report
