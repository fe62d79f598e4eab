// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <map>
#include <optional>
#include <string>

namespace report {

// The figures a benchmark printed, by row and name.
class Figures {
public:
    // Reads the lines "figure <row> <name> <value>"; every other line (Qt's warnings, say) and
    // any line whose value is not a number is passed over.
    static Figures parse(const std::string& output);

    std::optional<double> get(const std::string& row, const std::string& name) const;

private:
    std::map<std::string, double> m_values;
};

} // namespace report
