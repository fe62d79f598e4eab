// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "figure_lines.h"

#include <sstream>

namespace report {

Figures Figures::parse(const std::string& output)
{
    Figures figures;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string tag;
        std::string row;
        std::string name;
        double value = 0;
        std::string rest;
        if (words >> tag >> row >> name >> value && tag == "figure" && !(words >> rest))
            figures.m_values[row + ' ' + name] = value;
    }
    return figures;
}

std::optional<double> Figures::get(const std::string& row, const std::string& name) const
{
    const auto found = m_values.find(row + ' ' + name);
    if (found == m_values.end())
        return std::nullopt;
    return found->second;
}

} // namespace report
