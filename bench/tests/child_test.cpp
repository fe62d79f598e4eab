// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <child.h>
#include <figure_lines.h>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace std::chrono_literals;

namespace {

class Child : public ::testing::Test {
protected:
    void TearDown() override { unsetenv("TEST_CHILD_MODE"); }
    static void mode(const char* name) { setenv("TEST_CHILD_MODE", name, 1); }
};

TEST_F(Child, StartIsTimedToTheReadyByteAndItsPeakMemoryTaken)
{
    mode("ready");
    const report::Start start = report::timeStart(TEST_CHILD, 10s);
    EXPECT_EQ(start.failure, "");
    EXPECT_GE(start.readyMs, 50);
    EXPECT_LT(start.readyMs, 5000);
    EXPECT_GE(start.peakBytes, 40e6);
    EXPECT_LT(start.peakBytes, 200e6);
}

TEST_F(Child, StartWithoutReadyByteOrWithACrashFails)
{
    mode("silent");
    EXPECT_EQ(report::timeStart(TEST_CHILD, 10s).failure, "ended without painting a window");
    mode("crash");
    const report::Start crashed = report::timeStart(TEST_CHILD, 10s);
    EXPECT_NE(crashed.failure.find("killed by signal"), std::string::npos) << crashed.failure;
    EXPECT_NE(report::timeStart("/nonexistent/program", 10s).failure, "");
}

TEST_F(Child, CapturedOutputHoldsBothStreamsAndTheStatus)
{
    mode("figures");
    const report::Captured run = report::runCapturing(TEST_CHILD, 10s);
    EXPECT_EQ(run.failure, "");
    EXPECT_NE(run.output.find("a warning on the way"), std::string::npos);
    const report::Figures figures = report::Figures::parse(run.output);
    EXPECT_DOUBLE_EQ(*figures.get("demo", "frame_cpu_ms"), 0.25);
    EXPECT_DOUBLE_EQ(*figures.get("demo", "frames_per_second"), 4000);

    mode("crash");
    EXPECT_NE(report::runCapturing(TEST_CHILD, 10s).failure, "");
}

TEST_F(Child, GivenEnvironmentReplacesThisProcesssOwn)
{
    mode("environment");
    setenv("BENCH_DEMO_VALUE", "1", 1);
    const auto value = [](const std::vector<std::string>& environment) {
        return report::Figures::parse(report::runCapturing(TEST_CHILD, 10s, environment).output).get("demo", "value");
    };
    EXPECT_EQ(value({}), 1);
    EXPECT_EQ(value({"BENCH_DEMO_VALUE=2"}), 2);
    // A name that merely begins like another is left alone.
    EXPECT_EQ(value({"BENCH_DEMO=3"}), 1);
    unsetenv("BENCH_DEMO_VALUE");
}

} // namespace
