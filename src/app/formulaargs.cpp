// SPDX-License-Identifier: GPL-3.0-or-later
#include "formulaargs.h"

#include "cliwords.h"
#include "formulaentry.h"
#include "numbers.h"

#include <QCoreApplication>

using formulaentry::percentEdge;
using formulaentry::wholeGrams;

namespace {

// What each option wants, in the words of the problem that names it.
struct Option
{
    const char *name;
    const char *wants;
    bool repeatable;
};

const Option kOptions[] = {
    {"--total", QT_TRANSLATE_NOOP("Cli", "un numero intero di grammi tra 1 e 10.000.000"), false},
    {"--goal", QT_TRANSLATE_NOOP("Cli", "cost oppure closest"), false},
    {"--protein", QT_TRANSLATE_NOOP("Cli", "MIN:MAX in percento (per esempio 17:40 o 12,5:30) oppure off"),
     false},
    {"--fat", QT_TRANSLATE_NOOP("Cli", "MIN:MAX in percento (per esempio 3:8) oppure off"), false},
    {"--carbs", QT_TRANSLATE_NOOP("Cli", "MIN:MAX in percento (per esempio 25:60) oppure off"), false},
    {"--digestibility", QT_TRANSLATE_NOOP("Cli", "un numero (per esempio 3 o 2,5)"), false},
    {"--binder", QT_TRANSLATE_NOOP("Cli", "un numero (per esempio 3 o 2,5)"), false},
    {"--min", QT_TRANSLATE_NOOP("Cli", "ROW=G, con ROW da 1 a 13 e G grammi interi (per esempio 3=100)"),
     true},
    {"--max", QT_TRANSLATE_NOOP("Cli", "ROW=G, con ROW da 1 a 13 e G grammi interi (per esempio 3=400)"),
     true},
    {"--keep", QT_TRANSLATE_NOOP("Cli", "il numero di una riga da 1 a 13"), true},
    {"--eggs", "free", false},
    {"--save", QT_TRANSLATE_NOOP("Cli", "il nome di un file"), false},
};

const Option *optionNamed(const QString &name)
{
    for (const Option &option : kOptions)
        if (name == QLatin1String(option.name))
            return &option;
    return nullptr;
}

std::optional<int> rowNumber(const QString &text)
{
    bool ok = false;
    const int row = text.trimmed().toInt(&ok);
    return ok && row >= 1 && row <= 13 ? std::optional(row) : std::nullopt;
}

// "MIN:MAX" or "off".
bool readBand(const QString &text, formula::Band &band)
{
    if (text == QStringLiteral("off")) {
        band.on = false;
        return true;
    }
    const QStringList edges = text.split(u':');
    if (edges.size() != 2)
        return false;
    const std::optional<double> min = percentEdge(edges[0]), max = percentEdge(edges[1]);
    if (!min || !max)
        return false;
    band = {true, *min, *max};
    return true;
}

// What is wrong with an option's value, beyond its shape: said after "--min vuole …".
const char *const kNegative = QT_TRANSLATE_NOOP("formulaargs", ": i grammi non possono essere negativi");
const char *const kRepeated = QT_TRANSLATE_NOOP("formulaargs", " (una volta per riga)");

// "ROW=G" into `bounds`; false when malformed or given twice for the row, with `why`
// saying which when it is not the shape.
bool readBound(const QString &text, QMap<int, qint64> &bounds, const char *&why)
{
    const qsizetype split = text.indexOf(u'=');
    if (split < 0)
        return false;
    const std::optional<int> row = rowNumber(text.left(split));
    const std::optional<qint64> grams = wholeGrams(text.mid(split + 1));
    if (!grams && numbers::toNumber(text.mid(split + 1)).value_or(0) < 0)
        why = kNegative;
    else if (row && grams && bounds.contains(*row))
        why = kRepeated;
    if (!row || !grams || bounds.contains(*row))
        return false;
    bounds.insert(*row, *grams);
    return true;
}

// One option's value into `parsed`; false when the value is not what the option wants,
// with `why` saying more when there is more to say.
bool readValue(const QString &name, const QString &value, FormulaArgs &parsed, const char *&why)
{
    if (name == QStringLiteral("--total")) {
        parsed.total = wholeGrams(value);
        return parsed.total && *parsed.total > 0 && *parsed.total <= formula::kMaxTotalGrams;
    }
    if (name == QStringLiteral("--goal")) {
        parsed.goal =
            value == QStringLiteral("closest") ? formula::Goal::ClosestToCurrent : formula::Goal::LowestCost;
        return value == QStringLiteral("cost") || value == QStringLiteral("closest");
    }
    if (name == QStringLiteral("--protein"))
        return readBand(value, parsed.bands.protein);
    if (name == QStringLiteral("--fat"))
        return readBand(value, parsed.bands.fat);
    if (name == QStringLiteral("--carbs"))
        return readBand(value, parsed.bands.carbo);
    if (name == QStringLiteral("--digestibility") || name == QStringLiteral("--binder")) {
        const std::optional<double> minimum = numbers::toNumber(value);
        (name == QStringLiteral("--binder") ? parsed.bands.minBinder : parsed.bands.minDigestibility) =
            minimum;
        return minimum.has_value();
    }
    if (name == QStringLiteral("--min"))
        return readBound(value, parsed.minGrams, why);
    if (name == QStringLiteral("--max"))
        return readBound(value, parsed.maxGrams, why);
    if (name == QStringLiteral("--keep")) {
        const std::optional<int> row = rowNumber(value);
        if (row && parsed.keep.contains(*row))
            why = kRepeated;
        if (!row || parsed.keep.contains(*row))
            return false;
        parsed.keep << *row;
        return true;
    }
    if (name == QStringLiteral("--eggs")) {
        parsed.freeEggs = true;
        return value == QStringLiteral("free");
    }
    parsed.saveAs = value; // --save
    return true;
}

} // namespace

QString parseFormulaArgs(const QStringList &args, FormulaArgs &parsed)
{
    QStringList files;
    QStringList seen;
    for (qsizetype at = 0; at < args.size(); ++at) {
        const QString &arg = args[at];
        const Option *option = optionNamed(arg);
        if (!option) {
            if (arg.startsWith(u'-') && arg.size() > 1)
                return cliwords::unknownOption(arg);
            files << arg;
            continue;
        }
        if (!option->repeatable && seen.contains(arg))
            return cliwords::repeatedOption(arg);
        seen << arg;
        if (at + 1 >= args.size() || args[at + 1].isEmpty())
            return cliwords::wants(arg, option->wants);
        const QString &value = args[++at];
        const char *why = nullptr;
        if (!readValue(arg, value, parsed, why))
            return cliwords::wants(arg, option->wants, value) +
                   (why ? QCoreApplication::translate("formulaargs", why) : QString());
    }
    if (files.isEmpty())
        return QCoreApplication::translate("Cli", "Manca il file della ricetta");
    if (files.size() > 1)
        return cliwords::tooManyArguments(files.mid(1));
    parsed.file = files.first();
    return QString();
}

QString applyFormulaArgs(const FormulaArgs &parsed, formula::Input &input)
{
    auto candidate = [&input](int row) -> formula::Candidate * {
        for (formula::Candidate &c : input.rows)
            if (c.row == row)
                return &c;
        return nullptr;
    };
    auto noIngredient = [](const char *option, int row) {
        return QCoreApplication::translate("Cli", "%1 %2: la riga %2 della ricetta non ha un componente")
            .arg(QLatin1String(option))
            .arg(row);
    };
    for (auto it = parsed.minGrams.cbegin(); it != parsed.minGrams.cend(); ++it) {
        formula::Candidate *c = candidate(it.key());
        if (!c)
            return noIngredient("--min", it.key());
        c->minGrams = it.value();
    }
    for (auto it = parsed.maxGrams.cbegin(); it != parsed.maxGrams.cend(); ++it) {
        formula::Candidate *c = candidate(it.key());
        if (!c)
            return noIngredient("--max", it.key());
        c->maxGrams = it.value();
    }
    for (int row : parsed.keep) {
        formula::Candidate *c = candidate(row);
        if (!c)
            return noIngredient("--keep", row);
        // A kept row stays at its grams: a bound on it would be dropped without a word.
        if (parsed.minGrams.contains(row) || parsed.maxGrams.contains(row))
            return QCoreApplication::translate(
                       "Cli",
                       "--keep %1: la riga %1 (%2) resta ai suoi grammi, e non può avere anche --min o --max")
                .arg(row)
                .arg(c->name);
        c->keep = true;
    }
    if (parsed.freeEggs) {
        if (!input.eggs)
            return QCoreApplication::translate("Cli", "--eggs free: la ricetta non ha le uova");
        input.eggs->free = true;
    }
    if (parsed.total)
        input.totalGrams = *parsed.total;
    input.goal = parsed.goal;
    input.bands = parsed.bands;
    return QString();
}
