// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#include <platform/language.h>

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

} // namespace
