// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <string>
#include <vector>

namespace report {

// A plain text table: columns padded to their widest cell, a rule under the headings. Widths
// count characters, not bytes, so "≤" and "–" take one column like any letter.
class Table {
public:
    explicit Table(std::vector<std::string> headings);

    // Missing cells at the end are left empty.
    void addRow(std::vector<std::string> cells);
    std::string render() const;

private:
    std::vector<std::string> m_headings;
    std::vector<std::vector<std::string>> m_rows;
};

// Characters in a UTF-8 string.
std::size_t displayWidth(const std::string& text);

} // namespace report
