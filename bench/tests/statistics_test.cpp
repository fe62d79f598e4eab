// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <support/statistics.h>

#include <gtest/gtest.h>

namespace {

TEST(Median, IsTheMiddleValueOrTheMeanOfTheTwoMiddleOnes)
{
    EXPECT_EQ(bench::median({5, 1, 9}), 5);
    EXPECT_EQ(bench::median({7, 1, 3, 100}), 5);
    EXPECT_EQ(bench::median({2}), 2);
    EXPECT_EQ(bench::median({}), 0);
    // One slow frame among many does not move it, where it would move the mean.
    EXPECT_EQ(bench::median({1, 1, 1, 1, 50}), 1);
}

} // namespace
