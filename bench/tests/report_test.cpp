// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <figure_lines.h>
#include <report.h>
#include <table.h>

#include <support/statistics.h>

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        result.push_back(line);
    return result;
}

TEST(Median, IsTheMiddleValueOrTheMeanOfTheTwoMiddleOnes)
{
    EXPECT_EQ(bench::median({5, 1, 9}), 5);
    EXPECT_EQ(bench::median({7, 1, 3, 100}), 5);
    EXPECT_EQ(bench::median({2}), 2);
    EXPECT_EQ(bench::median({}), 0);
    // One slow frame among many does not move it, where it would move the mean.
    EXPECT_EQ(bench::median({1, 1, 1, 1, 50}), 1);
}

TEST(Figures, ReadsOnlyWellFormedFigureLines)
{
    const report::Figures figures = report::Figures::parse("QStandardPaths: XDG_RUNTIME_DIR not set\n"
                                                           "figure kestrup frame_cpu_ms 0.152\n"
                                                           "figure kestrup frames_per_second 6.5e+03\n"
                                                           "figure kestrup paced_core_percent many\n"
                                                           "figure kestrup frames 12 extra\n"
                                                           "figures kestrup rate 3\n");
    EXPECT_DOUBLE_EQ(*figures.get("kestrup", "frame_cpu_ms"), 0.152);
    EXPECT_DOUBLE_EQ(*figures.get("kestrup", "frames_per_second"), 6500);
    EXPECT_FALSE(figures.get("kestrup", "paced_core_percent"));
    EXPECT_FALSE(figures.get("kestrup", "frames"));
    EXPECT_FALSE(figures.get("kestrup", "rate"));
    EXPECT_FALSE(figures.get("tilmora", "frame_cpu_ms"));
}

TEST(Table, AlignsColumnsByCharactersNotBytes)
{
    report::Table table({"what", "target", "ok"});
    table.addRow({"a", "≤ 1 ms", "ok"});
    table.addRow({"longer name", "–"});
    const auto text = lines(table.render());
    ASSERT_EQ(text.size(), 4u);
    EXPECT_EQ(text[0], "what         target  ok");
    EXPECT_EQ(text[1], "-----------------------");
    EXPECT_EQ(text[2], "a            ≤ 1 ms  ok");
    // Missing cells stay empty, and no line ends in blanks.
    EXPECT_EQ(text[3], "longer name  –");
    EXPECT_EQ(report::displayWidth("≤ 16.7 ms – ×"), 13u);
}

TEST(Report, HoldsEveryFigureAgainstItsTarget)
{
    const report::Target atMost{report::Target::Bound::AtMost, 1, "≤ 1 ms"};
    const report::Target atLeast{report::Target::Bound::AtLeast, 60, "≥ 60"};
    EXPECT_TRUE(atMost.met(1));
    EXPECT_FALSE(atMost.met(1.001));
    EXPECT_TRUE(atLeast.met(60));
    EXPECT_FALSE(atLeast.met(59.9));
    const report::Target within{report::Target::Bound::Within, 60, "60 ± 0.5", 0.5};
    EXPECT_TRUE(within.met(59.5));
    EXPECT_TRUE(within.met(60.5));
    EXPECT_FALSE(within.met(59.4));
    EXPECT_FALSE(within.met(60.6));

    report::Report report;
    report.beginGroup({"kestrup", "all on"});
    report.check("frame", 0.4, {3, "ms"}, atMost);
    report.check("rate", 59.0, {0, ""}, atLeast);
    report.check("paced", std::nullopt, {1, "%"}, atMost);
    report.notApplicable("other");
    EXPECT_EQ(report.misses(), 2);

    const auto text = lines(report.render());
    ASSERT_EQ(text.size(), 6u);
    EXPECT_EQ(text[2], "kestrup  frame   0.400 ms  ≤ 1 ms  ok");
    // The group's name stands in its first row, its details in the next; the rest stay empty.
    EXPECT_EQ(text[3], "all on   rate    59        ≥ 60    MISSED");
    EXPECT_EQ(text[4], "         paced   –         ≤ 1 ms  FAILED");
    EXPECT_EQ(text[5], "         other   –         –       –");
}

TEST(Report, PassesWhenEveryFigureMeetsItsTarget)
{
    report::Report report;
    report.beginGroup({"orvane program"});
    report.check("first window", 120.0, {0, "ms"}, {report::Target::Bound::AtMost, 300, "≤ 300 ms"});
    report.check("memory", 80.0, {1, "MB"}, {report::Target::Bound::AtMost, 80, "≤ 80 MB"});
    EXPECT_EQ(report.misses(), 0);
}

} // namespace
