// SPDX-License-Identifier: GPL-3.0-or-later
#include "listargs.h"

#include "cliwords.h"
#include "numbers.h"

#include <QCoreApplication>

using library::BalanceChoice;

namespace {

const char *const kBalanceWants = QT_TRANSLATE_NOOP("Cli", "balanced, out, protein, fat oppure carbs");
const char *const kCostWants =
    QT_TRANSLATE_NOOP("Cli", "MIN:MAX in euro al kg (per esempio 2:5,50, 3: oppure :4,20)");

std::optional<BalanceChoice> balanceChoice(const QString &value)
{
    static const std::pair<const char *, BalanceChoice> kChoices[] = {
        {"balanced", BalanceChoice::Balanced},  {"out", BalanceChoice::OutOfRange},
        {"protein", BalanceChoice::ProteinOut}, {"fat", BalanceChoice::FatOut},
        {"carbs", BalanceChoice::CarboOut},
    };
    for (const auto &[name, choice] : kChoices)
        if (value == QLatin1String(name))
            return choice;
    return std::nullopt;
}

// "MIN:MAX", either side left empty for no edge; neither negative, MIN not above MAX.
bool readCostRange(const QString &value, library::Filter &filter)
{
    const QStringList edges = value.split(u':');
    if (edges.size() != 2 || (edges[0].trimmed().isEmpty() && edges[1].trimmed().isEmpty()))
        return false;
    const auto edge = [](const QString &text, std::optional<double> &into) {
        if (text.trimmed().isEmpty())
            return true;
        into = numbers::toNumber(text);
        return into && *into >= 0;
    };
    if (!edge(edges[0], filter.costFrom) || !edge(edges[1], filter.costTo))
        return false;
    return !filter.costFrom || !filter.costTo || *filter.costFrom <= *filter.costTo;
}

} // namespace

QString parseListArgs(const QStringList &args, ListArgs &parsed)
{
    QStringList folders;
    QStringList seen;
    for (qsizetype at = 0; at < args.size(); ++at) {
        const QString &arg = args[at];
        const bool takesValue = arg == QStringLiteral("--balance") || arg == QStringLiteral("--cost");
        if (arg.startsWith(u'-') && arg.size() > 1 && !takesValue && arg != QStringLiteral("--csv") &&
            arg != QStringLiteral("--same-mix"))
            return cliwords::unknownOption(arg);
        if (!arg.startsWith(u'-') || arg.size() == 1) {
            folders << arg;
            continue;
        }
        if (seen.contains(arg))
            return cliwords::repeatedOption(arg);
        seen << arg;
        parsed.csv = parsed.csv || arg == QStringLiteral("--csv");
        parsed.filter.sameMixOnly = parsed.filter.sameMixOnly || arg == QStringLiteral("--same-mix");
        if (!takesValue)
            continue;
        const char *what = arg == QStringLiteral("--balance") ? kBalanceWants : kCostWants;
        if (at + 1 >= args.size() || args[at + 1].isEmpty())
            return cliwords::wants(arg, what);
        const QString &value = args[++at];
        if (arg == QStringLiteral("--balance")) {
            const std::optional<BalanceChoice> choice = balanceChoice(value);
            if (!choice)
                return cliwords::wants(arg, what, value);
            parsed.filter.balance = *choice;
        } else if (!readCostRange(value, parsed.filter)) {
            return cliwords::wants(arg, what, value);
        }
    }
    if (folders.size() > 1)
        return cliwords::tooManyArguments(folders.mid(1));
    parsed.folder = folders.value(0);
    return QString();
}
