// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "run_storm.h"

#include "watchdog.h"

#include <platform/lesson/window_picture.h>
#include <platform/loop/events.h>
#include <platform/startup/application.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <map>
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

int numberFromEnvironment(const char* name, int fallback)
{
    const char* value = std::getenv(name);
    return value && *value ? std::stoi(value) : fallback;
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

// A close box ends the program at once, from whatever state the storm left it in.
constexpr std::chrono::milliseconds closeBound{100};

// Ctrl+S opens the save dialog in the pictures folder, and the dialog keeps its state in the
// user's settings: a home of the storm's own keeps both out of the real one, where the folders
// follow HOME and XDG (not on Windows). Removed at the end.
std::filesystem::path makeOwnHome()
{
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/storm-home-XXXXXX"));
    if (!folder.isValid()) {
        std::fprintf(stderr, "storm: no temporary folder: %s\n", qPrintable(folder.errorString()));
        std::_Exit(1);
    }
    folder.setAutoRemove(false);
    const QDir home(folder.path());
    home.mkpath(QStringLiteral("Pictures"));
    home.mkpath(QStringLiteral("runtime"));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const auto inHome = [&home](const char* name, const char* folderName) {
        qputenv(name, QFile::encodeName(home.filePath(QString::fromLatin1(folderName))));
    };
    qputenv("HOME", QFile::encodeName(home.path()));
    inHome("XDG_CONFIG_HOME", ".config");
    inHome("XDG_DATA_HOME", ".local/share");
    inHome("XDG_CACHE_HOME", ".cache");
    inHome("XDG_PICTURES_DIR", "Pictures");
    inHome("XDG_RUNTIME_DIR", "runtime");
    return std::filesystem::path(QFile::encodeName(home.path()).toStdString());
}

using Pictures = std::map<std::filesystem::path, std::filesystem::file_time_type>;

// The PNG files in the storm's own home, at any depth, and in the save folder, which may be the
// user's own and hold pictures from before.
Pictures pictures(const std::filesystem::path& home)
{
    Pictures found;
    const auto add = [&found](const std::filesystem::directory_entry& entry) {
        if (entry.path().extension() == ".png")
            found[entry.path()] = entry.last_write_time();
    };
    for (const auto& entry : std::filesystem::recursive_directory_iterator(home))
        add(entry);
    std::error_code missing;
    // Where the save dialog opens; Windows does not take it from HOME, so it may lie outside.
    for (const auto& entry : std::filesystem::directory_iterator(platform::picturesFolder().toStdU16String(), missing))
        add(entry);
    return found;
}

// Pictures the save dialog wrote: none, as the storm never accepts it.
int savedPictures(const Pictures& before, const std::filesystem::path& home)
{
    int saved = 0;
    for (const auto& [path, written] : pictures(home)) {
        const auto old = before.find(path);
        if (old == before.end() || old->second != written)
            ++saved;
    }
    return saved;
}

} // namespace

int runStorm(int argc, char** argv, const Program& program)
{
    const std::uint64_t seed = chooseSeed(argc, argv);
    std::printf("storm: %s, seed %llu (replay: STORM_SEED=%llu)\n", program.name, static_cast<unsigned long long>(seed),
                static_cast<unsigned long long>(seed));
    std::fflush(stdout);

    const std::filesystem::path home = makeOwnHome();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietPlatformNotes);
    platform::prepareApplication();
    QApplication app(argc, argv);
    platform::initialiseApplication();
    // Unpaced, the animations run as fast as they draw: more frames between the actions, and a
    // replay of a seed does not depend on the clock.
    platform::Pacer::setEnabled(false);
    const Pictures picturesBefore = pictures(home);

    Storm* running = nullptr;
    Watchdog watchdog(std::chrono::seconds(numberFromEnvironment("STORM_BOUND_SECONDS", 200)), [seed, &running, &home] {
        running->progress(stderr);
        std::fprintf(stderr, "storm: seed %llu\n", static_cast<unsigned long long>(seed));
        std::error_code ignored;
        std::filesystem::remove_all(home, ignored);
    });

    Settings settings;
    settings.seed = seed;
    settings.actionsPerWindow = numberFromEnvironment("STORM_ACTIONS_PER_WINDOW", settings.actionsPerWindow);
    settings.costlyPress = program.costlyPress;
    settings.costlyPressBudget = program.costlyPressBudget;
    settings.closed = [&watchdog] {
        watchdog.endWithin(closeBound,
                           "the program did not end within " + std::to_string(closeBound.count()) + " ms of its close");
    };
    Storm storm(settings);
    running = &storm;

    // The program's own close ends the process; the storm reports just before.
    platform::setEndHandler([&storm, &program, &watchdog, &home, &picturesBefore] {
        watchdog.disarm();
        const auto sinceClose = std::chrono::steady_clock::now() - storm.closedAt();
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
        if (storm.closedAt() != std::chrono::steady_clock::time_point{}) {
            const double ms = std::chrono::duration<double, std::milli>(sinceClose).count();
            std::printf("storm: ended %.1f ms after its close\n", ms);
            if (ms > double(closeBound.count())) {
                std::printf("storm: FAIL: the close took longer than %lld ms\n",
                            static_cast<long long>(closeBound.count()));
                failed = true;
            }
        }
        if (!storm.usedTheLessonKeys()) {
            std::printf("storm: FAIL: the storm did not go through the pause, the help and the save dialog\n");
            failed = true;
        }
        if (const int saved = savedPictures(picturesBefore, home); saved > 0) {
            std::printf("storm: FAIL: %d pictures saved, though the save dialog was never accepted\n", saved);
            failed = true;
        }
        std::error_code ignored;
        std::filesystem::remove_all(home, ignored);
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
