// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

// Runs every benchmark program and every start-up probe and prints one table of their figures,
// each against its target. Exits with 1 when a figure misses its target or could not be taken.

#include "child.h"
#include "figure_lines.h"
#include "report.h"

#include <support/statistics.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

using namespace std::chrono_literals;

namespace {

using report::Figures;
using report::Format;
using report::Target;

const Target frameTarget{Target::Bound::AtMost, 1, "≤ 1 ms CPU"};
const Target displayFrameTarget{Target::Bound::AtMost, 1000.0 / 60, "≤ 16.7 ms (one display frame)"};
const Target rateTarget{Target::Bound::AtLeast, 60, "≥ 60 (display rate)"};
const Target coreTarget{Target::Bound::AtMost, 10, "≤ 10 % of a core"};
const Target startTarget{Target::Bound::AtMost, 300, "≤ 300 ms"};
const Target memoryTarget{Target::Bound::AtMost, 80, "≤ 80 MB"};

constexpr int starts = 5;

std::string loadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// The benchmark's figures; what it printed is kept for the notes when it failed.
Figures runBenchmark(const char* path, std::vector<std::string>& notes)
{
    const report::Captured run = report::runCapturing(path, 90s);
    if (!run.failure.empty())
        notes.push_back(std::string(path) + " " + run.failure + "; its output:\n" + run.output);
    std::fprintf(stderr, ".");
    return Figures::parse(run.output);
}

void addAnimation(report::Report& table, std::vector<std::string> what, const Figures& figures,
                  const std::string& row)
{
    table.beginGroup(std::move(what));
    table.check("frame CPU (median, unpaced)", figures.get(row, "frame_cpu_ms"), {3, "ms"}, frameTarget);
    table.check("frames/s unpaced", figures.get(row, "frames_per_second"), {0, ""}, rateTarget);
    table.check("CPU share paced at 60 Hz", figures.get(row, "paced_core_percent"), {1, "%"}, coreTarget);
}

struct StartFigures {
    std::optional<double> readyMs;
    std::optional<double> peakMb;
};

StartFigures timeStarts(const char* path, std::vector<std::string>& notes)
{
    std::vector<double> ready;
    double peak = 0;
    for (int i = 0; i < starts; ++i) {
        const report::Start start = report::timeStart(path, 30s);
        std::fprintf(stderr, ".");
        if (!start.failure.empty()) {
            notes.push_back(std::string(path) + ": " + start.failure);
            return {};
        }
        ready.push_back(start.readyMs);
        peak = std::max(peak, start.peakBytes);
    }
    return {bench::median(ready), peak / 1e6};
}

void addProgram(report::Report& table, const std::string& program, const StartFigures& figures)
{
    const std::string runs = std::to_string(starts) + " starts";
    table.beginGroup({program + " program"});
    table.check("first window (median of " + runs + ")", figures.readyMs, {0, "ms"}, startTarget);
    table.check("peak memory (highest of " + runs + ")", figures.peakMb, {1, "MB"}, memoryTarget);
}

std::string screenSize(const Figures& figures)
{
    const auto width = figures.get("screen", "width");
    const auto height = figures.get("screen", "height");
    if (!width || !height)
        return "screen unknown";
    return "screen " + std::to_string(static_cast<int>(*width)) + "×"
           + std::to_string(static_cast<int>(*height));
}

} // namespace

int main()
{
    // Every child runs headless, with no display needed.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::string loadBefore = loadAverage();
    std::vector<std::string> notes;

    std::fprintf(stderr, "running the benchmarks ");
    const Figures superposition = runBenchmark(BENCH_SUPERPOSITION, notes);
    const Figures huygens = runBenchmark(BENCH_HUYGENS, notes);
    const Figures kestrup = runBenchmark(BENCH_KESTRUP, notes);
    const Figures tilmora = runBenchmark(BENCH_TILMORA, notes);
    std::fprintf(stderr, " and the start-ups ");
    const StartFigures orvaneStart = timeStarts(START_ORVANE, notes);
    const StartFigures kestrupStart = timeStarts(START_KESTRUP, notes);
    const StartFigures tilmoraStart = timeStarts(START_TILMORA, notes);
    std::fprintf(stderr, "\n");

    report::Report table;
    addAnimation(table, {"superposition", "orvane Form2, all on"}, superposition, "superposition");

    const auto circles = huygens.get("huygens_field", "circles");
    const std::string circleCount = circles ? std::to_string(static_cast<int>(*circles)) : std::string("?");
    table.beginGroup(
        {"Huygens field redraw", "orvane Form3, N = 6,", "wavelength 60, " + circleCount + " circles"});
    table.check("redraw + paint CPU (median)", huygens.get("huygens_field", "frame_cpu_ms"), {2, "ms"},
                displayFrameTarget);
    table.check("redraws/s", huygens.get("huygens_field", "frames_per_second"), {0, ""}, rateTarget);
    table.notApplicable("CPU share paced at 60 Hz");

    addAnimation(table, {"Huygens scan sample", "orvane Form3 right press,", "N = 6, wavelength 60"}, huygens,
                 "huygens_scan");
    addAnimation(table, {"kestrup", "all nine switches on"}, kestrup, "kestrup");
    addAnimation(table, {"tilmora", "W2, sum, sum phasors on"}, tilmora, "tilmora");
    addProgram(table, "orvane", orvaneStart);
    addProgram(table, "kestrup", kestrupStart);
    addProgram(table, "tilmora", tilmoraStart);

    std::printf("Benchmarks: %s, QT_QPA_PLATFORM=offscreen (%s), %ld cores, load average %s\n\n",
                BUILD_DESCRIPTION, screenSize(superposition).c_str(), sysconf(_SC_NPROCESSORS_ONLN),
                loadBefore.c_str());
    std::printf("%s\n", table.render().c_str());

    const auto ownPace = huygens.get("huygens_scan", "own_pace_core_percent");
    const auto ownRate = huygens.get("huygens_scan", "own_pace_rate");
    if (ownPace && ownRate)
        std::printf("Scan at its own pace, one sample per 4 ms (250 Hz): %.1f %% of one core "
                    "(informational; %.0f samples/s).\n",
                    *ownPace, *ownRate);
    std::printf("Frame: median CPU from one pacer tick to the next, unpaced; painting is left to the refresh\n"
                "clock. Paced: process CPU over wall time, painting included. First window: from spawning\n"
                "the program to its first Paint event.\n");
    std::printf("Load average after: %s\n", loadAverage().c_str());
    for (const std::string& note : notes)
        std::printf("\n%s\n", note.c_str());

    if (table.misses() > 0) {
        std::printf("\n%d figure(s) missed their targets.\n", table.misses());
        return 1;
    }
    std::printf("\nEvery figure meets its target.\n");
    return 0;
}
