// SPDX-License-Identifier: GPL-3.0-or-later
#include "language.h"

#include "translatedtext.h"
#include "usersettings.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace language {
namespace {

Language g_current = Language::Italian;

const QString kCatalogue = QStringLiteral(":/i18n/vornak_en.qm");

} // namespace

std::optional<Language> fromCode(const QString &code)
{
    const QString lower = code.trimmed().toLower();
    const QString base = lower.section(u'_', 0, 0).section(u'-', 0, 0);
    if (base == QStringLiteral("it"))
        return Language::Italian;
    if (base == QStringLiteral("en"))
        return Language::English;
    return std::nullopt;
}

QString code(Language language)
{
    return language == Language::English ? QStringLiteral("en") : QStringLiteral("it");
}

Language fromUiLanguages(const QStringList &uiLanguages)
{
    for (const QString &name : uiLanguages)
        if (const auto language = fromCode(name))
            return *language;
    return Language::Italian;
}

Language system()
{
    // As gettext has it, LANGUAGE counts only when the locale of messages is not C or POSIX:
    // a script run with LC_ALL=C gets Italian even from a session with LANGUAGE=en.
    QString messages;
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (messages = qEnvironmentVariable(name); !messages.isEmpty())
            break;
    if (messages.isEmpty() || messages == u"C" || messages.startsWith(u"C.") || messages == u"POSIX")
        return Language::Italian;
    return fromUiLanguages(QLocale::system().uiLanguages());
}

CommandLineChoice fromCommandLine(const QStringList &arguments)
{
    CommandLineChoice choice;
    for (qsizetype k = 0; k < arguments.size(); ++k) {
        const QString &arg = arguments[k];
        if (arg == QStringLiteral("--")) {
            choice.rest << arguments.mid(k);
            break;
        }
        const bool spaced = arg == QStringLiteral("--lang");
        if (!spaced && !arg.startsWith(QStringLiteral("--lang="))) {
            choice.rest << arg;
            continue;
        }
        const QString value = spaced ? arguments.value(k + 1) : arg.mid(7);
        if (choice.times++ == 0)
            choice.value = value;
        if (spaced && k + 1 < arguments.size())
            ++k; // its value
    }
    return choice;
}

void install(Language language)
{
    // Both live as long as the program: the application only keeps pointers to them.
    static QTranslator vornak;
    static QTranslator qt;
    QCoreApplication::removeTranslator(&vornak);
    QCoreApplication::removeTranslator(&qt);
    g_current = language;
    if (language == Language::English) {
        if (vornak.load(kCatalogue))
            QCoreApplication::installTranslator(&vornak);
        // Qt's own texts are English already
    } else if (qt.load(QStringLiteral("qtbase_it"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(&qt);
    }
    retranslateConstants();
}

Language current()
{
    return g_current;
}

QString translateEarly(Language language, const char *context, const char *source)
{
    if (language == Language::English) {
        static QTranslator english;
        static const bool loaded = english.load(kCatalogue);
        if (loaded)
            if (const QString text = english.translate(context, source); !text.isEmpty())
                return text;
    }
    return QString::fromUtf8(source);
}

std::optional<Language> saved()
{
    return fromCode(usersettings::open().value(QStringLiteral("language")).toString());
}

void save(Language language)
{
    usersettings::open().setValue(QStringLiteral("language"), code(language));
}

} // namespace language
