// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "startup.h"

#include "application.h"
#include "language.h"
#include "platform/lesson/lesson_tools.h"
#include "platform/windowsystem/windowsystem.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

namespace platform {

namespace {

struct Arguments {
    std::string_view answer; // --help or --version, whichever comes first
    QString language; // as --lang names it
    windowsystem::DisplayRequest display;
};

Arguments readArguments(int argc, char** argv)
{
    Arguments arguments{{}, {}, {qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY")}};
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (arguments.answer.empty() && (argument == "--help" || argument == "--version"))
            arguments.answer = argument;
        // Qt reads its own options with one dash or two.
        const std::string_view option = argument.starts_with("--") ? argument.substr(1) : argument;
        if (option == "-lang" && i + 1 < argc)
            arguments.language = QString::fromLocal8Bit(argv[++i]);
        else if (option.starts_with("-lang="))
            arguments.language = QString::fromLocal8Bit(option.substr(6));
        else if (option == "-platform" && i + 1 < argc)
            arguments.display.platform = argv[++i];
        else if (option == "-display" && i + 1 < argc)
            arguments.display.display = argv[++i];
    }
    return arguments;
}

// Ends at once, without exit handlers: it may be called from inside a half-made application.
[[noreturn]] void endWithoutDisplay(const std::string& name, const windowsystem::DisplayFailure& reason)
{
    std::fprintf(stderr, "%s braucht eine grafische Oberfläche (X11 oder Wayland mit XWayland); %s\n", name.c_str(),
                 reason.german.c_str());
    std::fprintf(stderr, "%s needs a graphical desktop (X11, or Wayland with XWayland); %s\n", name.c_str(),
                 reason.english.c_str());
    std::fflush(stderr);
    std::_Exit(1);
}

struct HeldMessage {
    QtMsgType type;
    QByteArray category;
    QString text;
};

// Whether a display can be reached only Qt's platform finds out, by connecting; when it cannot,
// it warns that its plugin failed and aborts with a fatal message that suggests reinstalling. So
// while the application connects, its messages are held here: a fatal one ends the program with
// the plain line instead, the others are passed on once the connection stands.
struct Connecting {
    std::mutex mutex;
    std::vector<HeldMessage> held;
    std::string name;
    Arguments arguments;
};
Connecting connecting;

// The plain line names the display that could not be reached. Any other failure (a plugin that
// does not load, a library that is missing) is Qt's own to tell: its messages come first.
[[noreturn]] void endWithFatal(const QString& fatal)
{
    const std::lock_guard lock(connecting.mutex);
    std::vector<QString> messages;
    for (const HeldMessage& message : connecting.held)
        messages.push_back(message.text);
    if (const auto failure = windowsystem::unreachableDisplay(connecting.arguments.display, messages))
        endWithoutDisplay(connecting.name, *failure);
    for (const QString& message : messages)
        std::fprintf(stderr, "%s\n", qPrintable(message));
    std::fprintf(stderr, "%s\n", qPrintable(fatal));
    endWithoutDisplay(connecting.name, {"Qt kann sie nicht öffnen (siehe oben).", "Qt cannot open it (see above)."});
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg)
        endWithFatal(text);
    const std::lock_guard lock(connecting.mutex);
    connecting.held.push_back({type, QByteArray(context.category), text});
}

// --help and --version answer before any window, in the chosen language: a plain application
// exists for the translations only.
[[noreturn]] void answer(int& argc, char** argv, std::string_view asked, const QString& language, std::string_view name,
                         std::string_view version, std::string_view help)
{
    const QString program = QString::fromUtf8(name.data(), qsizetype(name.size()));
    if (asked == "--version") {
        std::printf("%s %.*s\n", qPrintable(program), int(version.size()), version.data());
        std::exit(0);
    }
    QCoreApplication texts(argc, argv);
    useLanguage(language);
    const QString usage = QCoreApplication::translate(
        "platform",
        "Aufruf: %1 [--help | --version | --lang de|en]\n"
        "  --lang de, --lang en  die Sprache der Texte; ohne --lang die der Systemeinstellung\n"
        "                        (Englisch, wo sie Englisch ist, sonst Deutsch)\n");
    std::printf("%s%s\n%s", usage.arg(program).toUtf8().constData(),
                QCoreApplication::translate("main", std::string(help).c_str()).toUtf8().constData(),
                windowKeysText().toUtf8().constData());
    std::exit(0);
}

} // namespace

std::unique_ptr<QApplication> startApplication(int& argc, char** argv, std::string_view name, std::string_view version,
                                               std::string_view help)
{
    Arguments arguments = readArguments(argc, argv);
    const LanguageChoice language = chooseLanguage(arguments.language, userLanguages());
    if (!arguments.answer.empty()) {
        windowsystem::useStartingConsole();
        answer(argc, argv, arguments.answer, language.code, name, version, help);
    }
    if (const auto failure = windowsystem::chooseDisplay(arguments.display))
        endWithoutDisplay(std::string(name), *failure);
    prepareApplication();

    connecting.name = name;
    connecting.arguments = arguments;
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    // Saved pictures are named after the program, also where its file is not (a page starts
    // every program as "this.program").
    QCoreApplication::setApplicationName(QString::fromUtf8(name.data(), qsizetype(name.size())));
    useLanguage(language.code);
    std::vector<HeldMessage> held;
    {
        const std::lock_guard lock(connecting.mutex);
        held.swap(connecting.held);
    }
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(nullptr, 0, nullptr,
                                         message.category.isEmpty() ? nullptr : message.category.constData());
        qt_message_output(message.type, context, message.text);
    }
    if (!language.unknownAsked.isEmpty()) {
        std::fprintf(
            stderr, "%s\n",
            qPrintable(QCoreApplication::translate("platform",
                                                   "%1: keine Übersetzung für --lang %2; die Texte "
                                                   "bleiben deutsch.")
                           .arg(QString::fromUtf8(name.data(), qsizetype(name.size())), language.unknownAsked)));
    }
    return application;
}

} // namespace platform
