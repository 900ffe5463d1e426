// SPDX-License-Identifier: GPL-3.0-or-later
#include "startupproblem.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

namespace {

// `words` broken into lines of at most 80 characters at the blanks.
QString wrapped(const QString &words)
{
    QString out, line;
    for (const QString &word : words.split(u' ', Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && line.size() + 1 + word.size() > 80) {
            out += line + u'\n';
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return out + line + u'\n';
}

QString captured(const QString &text, const char *pattern)
{
    return QRegularExpression(QString::fromLatin1(pattern)).match(text).captured(1);
}

} // namespace

QString startupProblem(const QString &qtSaid, const QString &display, QString (*translated)(const char *))
{
    const auto say = [translated](const char *source) { return translated(source); };
    const QString head = say(QT_TRANSLATE_NOOP("Main", "Vornak non può aprire la finestra: "));
    const QString sessionHint = say(QT_TRANSLATE_NOOP(
        "Main", "Vornak va avviato da una sessione grafica; vornak-cli lavora anche senza.\n"));
    if (const QString missing = captured(qtSaid, R"(Could not find the Qt platform plugin "([^"]*)\")");
        !missing.isEmpty()) {
        QString out =
            wrapped(head + say(QT_TRANSLATE_NOOP("Main", "Qt non ha la piattaforma «%1».")).arg(missing));
        if (const QString offered = captured(qtSaid, R"(Available platform plugins are: ([^\n]*)\.)");
            !offered.isEmpty())
            out += wrapped(
                say(QT_TRANSLATE_NOOP(
                        "Main", "Piattaforme installate: %1 (QT_QPA_PLATFORM o -platform ne sceglie una)."))
                    .arg(offered.split(u',', Qt::SkipEmptyParts).join(QStringLiteral(", ")).simplified()));
        return out;
    }
    static const QRegularExpression unanswered(QStringLiteral("could not connect to display ?([^\\s]*)"));
    if (const QRegularExpressionMatch refused = unanswered.match(qtSaid); refused.hasMatch()) {
        const QString named = refused.captured(1).isEmpty() ? display : refused.captured(1);
        return head +
               (named.isEmpty() ? say(QT_TRANSLATE_NOOP("Main", "nessuno schermo (DISPLAY non è impostata)."))
                                : say(QT_TRANSLATE_NOOP("Main", "nessuno schermo (DISPLAY=%1 non risponde)."))
                                      .arg(named)) +
               u'\n' + sessionHint;
    }
    const QString platform = captured(qtSaid, R"(platform plugin "([^"]*)\")");
    const QString reason = qtSaid.trimmed().section(u'\n', -1).trimmed();
    return wrapped(head +
                   say(QT_TRANSLATE_NOOP("Main", "la piattaforma grafica «%1» di Qt non si avvia."))
                       .arg(platform.isEmpty() ? say(QT_TRANSLATE_NOOP("Main", "predefinita")) : platform)) +
           wrapped(say(QT_TRANSLATE_NOOP("Main", "Qt dice: %1")).arg(reason));
}
