// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The language Vornak speaks. Italian is the program's own: every text is written in
// Italian in the sources, and English comes from translations/vornak_en.ts, compiled into
// the programs. Numbers keep the decimal comma in both languages, since files carry it.
//
// Texts outside classes are translated under one context per subject, so a translator sees
// them together: "Calculation" (the worksheet's checks and rows), "Catalogue" (ingredient and
// egg names), "Entry" (refused entries), "Recipe" (recipe files and the sheet), "Ingredients"
// (the personal ingredients and prices), "Balance", "Cost", "Formula", "Converter", "Print",
// "Files" (a file and its problem), "Archivio" (the recipe archive), "Confronto" and
// "ConfrontoStampa" (the comparison and its page), "ReplaceQuestion" (replacing a file),
// "LengthGuard" (a text cut at an input box's limit), "Cli" and "ArchiveCommands"
// (vornak-cli) and "Main" (vornak's command line); some files name their own ("fieldwords",
// "formula", "formulaargs", "printerjob", "recipefile", "usertext", "pagerenderer",
// "vornak-cli"). A class's texts go under the class's name. scripts/update-translations.sh
// checks that every other context is named here.
namespace language {

enum class Language
{
    Italian,
    English
};

// "it" or "en" (a region after it is allowed: "en_GB", "it-IT"); nothing for any other text.
std::optional<Language> fromCode(const QString &code);
QString code(Language language);

// The first English or Italian language among the user's UI languages, in their order;
// Italian when there is none.
Language fromUiLanguages(const QStringList &uiLanguages);
// The system's: from QLocale's UI languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), and Italian
// whenever the locale of messages is C or POSIX, so scripts reading vornak-cli keep their
// Italian output.
Language system();

// --lang in a command line ("--lang en" or "--lang=en"), read before any parser runs so
// that --help and the parser's own messages are already translated. Only the arguments
// before a "--" count: after it, "--lang" may be a file's name.
struct CommandLineChoice
{
    int times = 0;    // how often --lang was given
    QString value;    // of the first: empty when absent, and when given without a value
    QStringList rest; // the arguments without --lang and its values
};
CommandLineChoice fromCommandLine(const QStringList &arguments); // without the program's name

// Loads Vornak's catalogue for `language` and Qt's own (qtbase_it for Italian: file
// dialogs, message box buttons) and installs both on the running application. Italian
// needs no catalogue of Vornak's. Call once, after the application object exists.
void install(Language language);

// The language installed last (Italian before any install()).
Language current();

// A text in `language` before the application object exists (vornak's --help and the
// mistakes of its command line, answered without a display): the same catalogue as install().
QString translateEarly(Language language, const char *context, const char *source);

// The window's own choice, kept in the user's settings (~/.config/vornak/vornak.conf):
// nothing until the user has chosen in the window.
std::optional<Language> saved();
void save(Language language);

} // namespace language
