// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "report.h"

#include <cmath>
#include <cstdio>

namespace report {

bool Target::met(double value) const
{
    switch (bound) {
    case Bound::AtMost:
        return value <= limit;
    case Bound::AtLeast:
        return value >= limit;
    case Bound::Within:
        return std::abs(value - limit) <= tolerance;
    }
    return false;
}

std::string formatValue(double value, const Format& format)
{
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.*f", format.decimals, value);
    return format.unit.empty() ? std::string(digits) : digits + (' ' + format.unit);
}

Report::Report() : m_table({"what", "figure", "value", "target", "ok"}) {}

void Report::beginGroup(std::vector<std::string> what)
{
    m_what = std::move(what);
    m_whatShown = 0;
}

std::string Report::takeWhat()
{
    return m_whatShown < m_what.size() ? m_what[m_whatShown++] : std::string();
}

void Report::check(const std::string& figure, std::optional<double> value, const Format& format,
                   const Target& target)
{
    std::string verdict = "FAILED";
    if (value)
        verdict = target.met(*value) ? "ok" : "MISSED";
    if (verdict != "ok")
        ++m_misses;
    m_table.addRow({takeWhat(), figure, value ? formatValue(*value, format) : "–", target.text, verdict});
}

void Report::notApplicable(const std::string& figure)
{
    m_table.addRow({takeWhat(), figure, "–", "–", "–"});
}

} // namespace report
