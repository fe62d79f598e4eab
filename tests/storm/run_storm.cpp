// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "run_storm.h"

#include "watchdog.h"

#include <platform/application.h>
#include <platform/events.h>

#include <QApplication>

#include <chrono>
#include <cstdlib>
#include <random>
#include <string>

namespace storm {
namespace {

std::uint64_t chooseSeed(int argc, char** argv)
{
    if (argc > 1)
        return std::stoull(argv[1]);
    if (const char* seed = std::getenv("STORM_SEED"); seed && *seed)
        return std::stoull(seed);
    std::random_device device;
    return (std::uint64_t(device()) << 32) | device();
}

std::chrono::seconds watchdogBound()
{
    const char* bound = std::getenv("STORM_BOUND_SECONDS");
    return std::chrono::seconds(bound && *bound ? std::stoi(bound) : 200);
}

// The offscreen platform says so whenever a scroll bar or button grabs or raises; nothing to see.
void quietPlatformNotes(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QStringLiteral("This plugin does not support")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

// Nested loops are bounded, so the stack stays well within this, also with the sanitizers'
// larger frames; a path that nests without bound (a yielding redraw inside a yielding redraw)
// went past 2 MiB.
constexpr std::size_t stackBound = 1536 * 1024;

} // namespace

int runStorm(int argc, char** argv, const Program& program)
{
    const std::uint64_t seed = chooseSeed(argc, argv);
    std::printf("storm: %s, seed %llu (replay: STORM_SEED=%llu)\n", program.name, static_cast<unsigned long long>(seed),
                static_cast<unsigned long long>(seed));
    std::fflush(stdout);

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietPlatformNotes);
    platform::prepareApplication();
    QApplication app(argc, argv);
    platform::initialiseApplication();
    // Unpaced, the animations run as fast as they draw: more frames between the actions, and a
    // replay of a seed does not depend on the clock.
    platform::Pacer::setEnabled(false);

    Settings settings;
    settings.seed = seed;
    settings.costlyPress = program.costlyPress;
    settings.costlyPressBudget = program.costlyPressBudget;
    Storm storm(settings);

    const Watchdog watchdog(watchdogBound(), [seed, &storm] {
        storm.progress(stderr);
        std::fprintf(stderr, "storm: seed %llu\n", static_cast<unsigned long long>(seed));
    });

    // The program's own close ends the process; the storm reports just before.
    platform::setEndHandler([&storm, &program] {
        storm.report(stdout);
        if (program.report)
            program.report(stdout);
        bool failed = false;
        if (!storm.finished()) {
            std::printf("storm: FAIL: the program ended before the storm did\n");
            failed = true;
        }
        if (storm.gaveUp()) {
            std::printf("storm: FAIL: not every window had its share of actions\n");
            failed = true;
        }
        if (storm.deepestStack() > stackBound) {
            std::printf("storm: FAIL: the stack grew deeper than %zu KiB\n", stackBound / 1024);
            failed = true;
        }
        for (const QString& control : storm.unclickedControls()) {
            std::printf("storm: FAIL: never clicked: %s\n", qPrintable(control));
            failed = true;
        }
        std::printf(failed ? "storm: FAIL\n" : "storm: PASS\n");
        std::fflush(nullptr);
        if (failed)
            std::_Exit(1);
    });

    program.start();
    app.exec();
    std::printf("storm: FAIL: the event loop returned without the program's end\n");
    std::fflush(nullptr);
    std::_Exit(1);
}

} // namespace storm
