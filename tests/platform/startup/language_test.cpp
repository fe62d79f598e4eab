// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <platform/startup/language.h>
#include <platform/widgets/numbers.h>

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

using platform::chooseLanguage;

// English where the user's first carried language is English or --lang asks for it; German for
// German, C and every language without a translation, and for a --lang that names none.
TEST(Language, LocaleAndLangChooseEnglishOrGerman)
{
    EXPECT_EQ(chooseLanguage({}, {"en-US", "de-DE"}).code, "en");
    EXPECT_EQ(chooseLanguage({}, {"en_GB"}).code, "en");
    EXPECT_EQ(chooseLanguage({}, {"de-DE", "en-US"}).code, "de");
    EXPECT_EQ(chooseLanguage({}, {"fr-FR", "en-US"}).code, "en");
    EXPECT_EQ(chooseLanguage({}, {"fr-FR"}).code, "de");
    EXPECT_EQ(chooseLanguage({}, {"C"}).code, "de");
    EXPECT_EQ(chooseLanguage({}, {}).code, "de");
    EXPECT_EQ(chooseLanguage("en", {"de-DE"}).code, "en");
    EXPECT_EQ(chooseLanguage("de", {"en-US"}).code, "de");
    const platform::LanguageChoice unknown = chooseLanguage("fr", {"en-US"});
    EXPECT_EQ(unknown.code, "de");
    EXPECT_EQ(unknown.unknownAsked, "fr");
}

// Numbers follow the chosen language, whatever the system's: German on an English system writes a
// decimal comma, English on a German system a point.
TEST(Language, NumbersFollowTheChosenLanguageNotTheSystem)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    platform::useLanguage("de");
    EXPECT_EQ(platform::numberText(0.1), "0,1");
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    platform::useLanguage("en");
    EXPECT_EQ(platform::numberText(0.1), "0.1");
    QLocale::setDefault(saved);
    // The other tests of this program read German texts.
    qDeleteAll(qApp->findChildren<QTranslator*>(Qt::FindDirectChildrenOnly));
}

} // namespace
