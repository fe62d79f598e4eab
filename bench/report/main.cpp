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
const Target lightFrameTarget{Target::Bound::AtMost, 0.25, "≤ 0.25 ms CPU"};
const Target displayFrameTarget{Target::Bound::AtMost, 1000.0 / 60, "≤ 16.7 ms (one display frame)"};
const Target rateTarget{Target::Bound::AtLeast, 60, "≥ 60 (display rate)"};
const Target coreTarget{Target::Bound::AtMost, 10, "≤ 10 % of a core"};
const Target startTarget{Target::Bound::AtMost, 300, "≤ 300 ms"};
const Target memoryTarget{Target::Bound::AtMost, 80, "≤ 80 MB"};
// On a real display the X server's work counts too, and Qt keeps buffers of its own for it.
const Target displayCoreTarget{Target::Bound::AtMost, 5, "≤ 5 % of a core"};
const Target displayScanTarget{Target::Bound::AtMost, 10, "≤ 10 % of a core"};
const Target pausedTarget{Target::Bound::AtMost, 1, "≤ 1 % of a core"};
const Target pacedRateTarget{Target::Bound::Within, 60, "60 ± 0.5", 0.5};

constexpr int starts = 5;
constexpr int displayedStarts = 2;

std::string loadAverage()
{
    std::ifstream file("/proc/loadavg");
    std::string one, five, fifteen;
    file >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// The benchmark's figures; what it printed is kept for the notes when it failed.
Figures runBenchmark(const char* path, std::vector<std::string>& notes,
                     const std::vector<std::string>& environment = {})
{
    const report::Captured run = report::runCapturing(path, 90s, environment);
    if (!run.failure.empty())
        notes.push_back(std::string(path) + " " + run.failure + "; its output:\n" + run.output);
    std::fprintf(stderr, ".");
    return Figures::parse(run.output);
}

void addAnimation(report::Report& table, std::vector<std::string> what, const Figures& figures,
                  const std::string& row, const Target& frame = frameTarget)
{
    table.beginGroup(std::move(what));
    table.check("frame CPU (median, unpaced)", figures.get(row, "frame_cpu_ms"), {3, "ms"}, frame);
    table.check("frames/s unpaced", figures.get(row, "frames_per_second"), {0, ""}, rateTarget);
    table.check("CPU share paced at 60 Hz", figures.get(row, "paced_core_percent"), {1, "%"}, coreTarget);
}

std::optional<double> sum(std::optional<double> a, std::optional<double> b)
{
    return a && b ? std::optional<double>(*a + *b) : std::nullopt;
}

// The rows of one animation run under Xvfb: program and server together, and the frame rate.
// `cpu` and `server` name the figures, which differ for the scan; it has no frame rate of its own.
void addDisplayed(report::Report& table, const std::string& what, const Figures& figures, const std::string& row,
                  const std::string& cpu, const std::string& server, const Target& target)
{
    table.beginGroup({what, "under Xvfb"});
    table.check("program + X server, paced", sum(figures.get(row, cpu), figures.get(row, server)), {1, "%"},
                target);
    if (row != "huygens_scan")
        table.check("frames/s paced", figures.get(row, "paced_rate"), {2, ""}, pacedRateTarget);
}

std::string displayedShares(const std::string& what, const Figures& figures, const std::string& row,
                            const std::string& cpu, const std::string& server)
{
    char text[160];
    std::snprintf(text, sizeof text, "  %-28s program %5.1f %%, X server %5.1f %%\n", what.c_str(),
                  figures.get(row, cpu).value_or(-1), figures.get(row, server).value_or(-1));
    return text;
}

struct StartFigures {
    std::optional<double> readyMs;
    std::optional<double> peakMb;
};

StartFigures timeStarts(const char* path, std::vector<std::string>& notes, int count = starts,
                        const std::vector<std::string>& environment = {})
{
    std::vector<double> ready;
    double peak = 0;
    for (int i = 0; i < count; ++i) {
        const report::Start start = report::timeStart(path, 30s, environment);
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

void addProgram(report::Report& table, const std::string& program, const StartFigures& figures,
                const StartFigures& displayed, double displayedLimitMb)
{
    const std::string runs = std::to_string(starts) + " starts";
    table.beginGroup({program + " program"});
    table.check("first window (median of " + runs + ")", figures.readyMs, {0, "ms"}, startTarget);
    table.check("peak memory (highest of " + runs + ")", figures.peakMb, {1, "MB"}, memoryTarget);
    char limit[32];
    std::snprintf(limit, sizeof limit, "≤ %.0f MB", displayedLimitMb);
    table.check("Xvfb: peak memory (highest of " + std::to_string(displayedStarts) + ")", displayed.peakMb,
                {1, "MB"}, {Target::Bound::AtMost, displayedLimitMb, limit});
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

    // The same animations and starts through an X server of the benchmark's own.
    std::fprintf(stderr, " and under Xvfb ");
    const report::DisplayServer server;
    if (!server.failure().empty())
        notes.push_back(server.failure());
    const std::vector<std::string> display = server.environment();
    const Figures shownSuperposition = runBenchmark(BENCH_SUPERPOSITION, notes, display);
    const Figures shownHuygens = runBenchmark(BENCH_HUYGENS, notes, display);
    const Figures shownKestrup = runBenchmark(BENCH_KESTRUP, notes, display);
    const Figures shownTilmora = runBenchmark(BENCH_TILMORA, notes, display);
    const StartFigures orvaneShown = timeStarts(START_ORVANE, notes, displayedStarts, display);
    const StartFigures kestrupShown = timeStarts(START_KESTRUP, notes, displayedStarts, display);
    const StartFigures tilmoraShown = timeStarts(START_TILMORA, notes, displayedStarts, display);
    std::fprintf(stderr, "\n");

    report::Report table;
    addAnimation(table, {"superposition", "orvane Form2, all on"}, superposition, "superposition",
                 lightFrameTarget);

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
    addAnimation(table, {"tilmora", "W2, sum, sum phasors on"}, tilmora, "tilmora", lightFrameTarget);
    const std::string paced = "paced_core_percent";
    const std::string pacedServer = "paced_server_percent";
    const std::string ownPaceCpu = "own_pace_core_percent";
    const std::string ownPaceServer = "own_pace_server_percent";
    addDisplayed(table, "superposition", shownSuperposition, "superposition", paced, pacedServer,
                 displayCoreTarget);
    table.check("program + X server, paused (P)",
                sum(shownSuperposition.get("superposition", "paused_core_percent"),
                    shownSuperposition.get("superposition", "paused_server_percent")),
                {2, "%"}, pausedTarget);
    addDisplayed(table, "Huygens scan, own pace", shownHuygens, "huygens_scan", ownPaceCpu, ownPaceServer,
                 displayScanTarget);
    addDisplayed(table, "kestrup", shownKestrup, "kestrup", paced, pacedServer, displayCoreTarget);
    addDisplayed(table, "tilmora", shownTilmora, "tilmora", paced, pacedServer, displayCoreTarget);
    addProgram(table, "orvane", orvaneStart, orvaneShown, 60);
    addProgram(table, "kestrup", kestrupStart, kestrupShown, 42);
    addProgram(table, "tilmora", tilmoraStart, tilmoraShown, 45);

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
                "the program to its first Paint event. Under Xvfb (1280×1024, no window manager): CPU\n"
                "time of the program and of the X server over wall time; peak memory is VmHWM at exit,\n"
                "after the program's typical use (Orvane: menu, superposition animating, a scan).\n%s%s%s%s",
                displayedShares("superposition", shownSuperposition, "superposition", paced, pacedServer).c_str(),
                displayedShares("Huygens scan, own pace", shownHuygens, "huygens_scan", ownPaceCpu, ownPaceServer)
                    .c_str(),
                displayedShares("kestrup", shownKestrup, "kestrup", paced, pacedServer).c_str(),
                displayedShares("tilmora", shownTilmora, "tilmora", paced, pacedServer).c_str());
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
