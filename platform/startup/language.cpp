// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include "language.h"

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace platform {
namespace {

const QString german = QStringLiteral("de");

QString translationResource(const QString& code)
{
    return QStringLiteral(":/i18n/wellenlehre_%1.qm").arg(code);
}

bool carried(const QString& code)
{
    return code == german || QFile::exists(translationResource(code));
}

// "en_US", "en-GB", "en" are all English.
QString languageOf(const QString& name)
{
    return name.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('-'), 0, 0).toLower();
}

void install(const QString& file, const QString& folder)
{
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

LanguageChoice chooseLanguage(const QString& asked, const QStringList& userLanguages)
{
    if (!asked.isEmpty()) {
        const QString code = languageOf(asked);
        if (carried(code))
            return {code, {}};
        return {german, asked};
    }
    for (const QString& language : userLanguages) {
        if (carried(languageOf(language)))
            return {languageOf(language), {}};
    }
    return {german, {}};
}

QStringList userLanguages()
{
    return QLocale::system().uiLanguages();
}

void useLanguage(const QString& code)
{
    // Numbers follow the texts, not the system: "0,1" beside German words, "0.1" beside English
    // ones. Qt's own dialogs read the same default.
    QLocale::setDefault(code == german ? QLocale(QLocale::German, QLocale::Germany) : QLocale(code));
    if (code != german)
        install(translationResource(code), {});
    // Qt's own dialogs: its German (or other) texts where Qt's translations are installed.
    install(QStringLiteral("qtbase_%1").arg(code), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

} // namespace platform
