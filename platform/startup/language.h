// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Wellenlehre developers

#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The language of every text the programs show. German is the source: the texts stand in the
// code in German, and every other language is a translation the programs carry.
struct LanguageChoice {
    // "de", or the code of a translation the programs carry ("en").
    QString code;
    // Set where --lang asked for a language the programs do not carry.
    QString unknownAsked;
};

// --lang decides where it names a language; otherwise the first of the user's languages the
// programs carry, where German counts as carried and ends the search. Everything else, the C
// locale included, is German.
LanguageChoice chooseLanguage(const QString& asked, const QStringList& userLanguages);

// The user's languages in order of preference, as the system's locale settings give them.
QStringList userLanguages();

// Installs the translations of the programs' own texts and of Qt's dialogs into the application,
// and writes numbers by the language's rules.
void useLanguage(const QString& code);

} // namespace platform
