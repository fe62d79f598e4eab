// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include "table.h"

#include <optional>
#include <string>
#include <vector>

namespace report {

struct Target {
    enum class Bound { AtMost, AtLeast, Within };
    Bound bound;
    double limit;
    // As the table prints it, "≤ 1 ms" say.
    std::string text;
    // For Within: how far from the limit a value may lie.
    double tolerance = 0;

    bool met(double value) const;
};

// How a value is printed: its decimals and its unit.
struct Format {
    int decimals;
    std::string unit;
};

// The benchmark table: one row per figure, grouped by what it measures, each with its target.
class Report {
public:
    Report();

    // The rows that follow belong to one thing: its name stands in the first of them, the
    // lines of its details in the next ones.
    void beginGroup(std::vector<std::string> what);
    // A figure held against its target: "ok", "MISSED" above or below it, "FAILED" without a value.
    void check(const std::string& figure, std::optional<double> value, const Format& format,
               const Target& target);
    // A figure this group does not have.
    void notApplicable(const std::string& figure);

    // Figures that missed their targets or have no value.
    int misses() const { return m_misses; }
    std::string render() const { return m_table.render(); }

private:
    std::string takeWhat();

    Table m_table;
    std::vector<std::string> m_what;
    std::size_t m_whatShown = 0;
    int m_misses = 0;
};

// A value with its decimals and unit: "0.412 ms".
std::string formatValue(double value, const Format& format);

} // namespace report
